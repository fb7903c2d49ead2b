#include "tnoframe.h"
#include "helpcontexts.h"
#include "noframesblock.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace lumaro {

Tnoframe::Tnoframe(QWidget *parent)
    : TagDialog(parent, helpcontext::NoFrames)
    , m_memo(new CrlfTextEdit(this))
{
    setWindowTitle(QStringLiteral("Noframe"));
    m_memo->setTabChangesFocus(true);
    m_memo->setMinimumSize(360, 180);
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(QStringLiteral("Text for browsers without frames:"), this);
    hint->setBuddy(m_memo);
    layout->addWidget(hint);
    layout->addWidget(m_memo);
    layout->addWidget(buttonBox());
    setTabChain({m_memo});
}

QWidget *Tnoframe::firstInput() const { return m_memo; }

void Tnoframe::accept()
{
    m_result = NoFramesBlock::build(m_memo->text());
    TagDialog::accept();
}

} // namespace lumaro
