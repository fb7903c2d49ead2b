#include "origingroup.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

QGroupBox *makeOriginGroup(QWidget *parent, QRadioButton **fromCursor, QRadioButton **entireScope)
{
    auto *origin = new QGroupBox(QStringLiteral("Orgin"), parent);
    *fromCursor = new QRadioButton(QStringLiteral("From cursor"), origin);
    (*fromCursor)->setObjectName(QStringLiteral("RadioButton1"));
    *entireScope = new QRadioButton(QStringLiteral("Entire scope"), origin);
    (*entireScope)->setObjectName(QStringLiteral("RadioButton2"));
    (*entireScope)->setChecked(true);
    auto *layout = new QVBoxLayout(origin);
    layout->addWidget(*fromCursor);
    layout->addWidget(*entireScope);
    layout->addStretch();
    return origin;
}

} // namespace lumaro
