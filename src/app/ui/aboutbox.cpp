#include "aboutbox.h"
#include "aboutmark.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About Lumaro"));
    auto *layout = new QVBoxLayout(this);

    auto *mark = new QLabel(this);
    mark->setObjectName(QStringLiteral("ProductName"));
    mark->setPixmap(ProductMark::render(QSize(320, 160), devicePixelRatioF()));
    mark->setAccessibleName(ProductMark::productName());
    layout->addWidget(mark, 0, Qt::AlignHCenter);

    auto *text = new QLabel(QStringLiteral("%1 %2\n%3")
                                .arg(ProductMark::productName(), ProductMark::versionText(),
                                     ProductMark::description()),
                            this);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace lumaro
