#include "tshortcutdialog.h"
#include "dialogkeys.h"
#include "helpservice.h"
#include "hotkeyedit.h"
#include "interaction.h"
#include "shortcutlist.h"
#include "tscpick.h"
#include "windows1252.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QValidator>
#include <QVBoxLayout>

namespace lumaro {

namespace {

/// The shortcut file holds Windows-1252 characters only; others are refused
/// as they are typed or pasted, so what is stored is what was entered.
class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Windows1252::canEncode(input) ? Acceptable : Invalid;
    }
};

} // namespace

Tshortcutdialog::Tshortcutdialog(QWidget *parent)
    : QDialog(parent)
    , m_key(new HotKeyEdit)
    , m_tag(new QLineEdit)
    , m_ending(new QCheckBox(QStringLiteral("Use ending tag")))
    , m_select(new QPushButton(QStringLiteral("Select")))
    , m_ok(new QPushButton(QStringLiteral("Ok")))
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
    , m_help(new QPushButton(QStringLiteral("Help")))
{
    DialogKeys::install(this, m_ok);
    setObjectName(QStringLiteral("shortcutdialog"));
    setWindowTitle(QStringLiteral("New shortcut"));
    m_key->setObjectName(QStringLiteral("HotKey1"));
    m_tag->setObjectName(QStringLiteral("Edit1"));
    m_tag->setMaxLength(ShortcutList::kMaxTagLength);
    m_tag->setValidator(new CodePageValidator(m_tag));
    m_tag->setMinimumWidth(220);

    auto *keyLabel = new QLabel(QStringLiteral("New shortcut"));
    keyLabel->setBuddy(m_key);
    auto *tagLabel = new QLabel(QStringLiteral("Tag to shortcut"));
    tagLabel->setBuddy(m_tag);
    auto *tagRow = new QHBoxLayout;
    tagRow->addWidget(m_tag, 1);
    tagRow->addWidget(m_select);

    auto *form = new QFormLayout;
    form->addRow(keyLabel, m_key);
    form->addRow(tagLabel, tagRow);
    form->addRow(QString(), m_ending);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_select->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    setTabOrder(m_key, m_tag);
    setTabOrder(m_tag, m_select);
    setTabOrder(m_select, m_ending);
    setTabOrder(m_ending, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_help);

    connect(m_ok, &QPushButton::clicked, this, &Tshortcutdialog::OkClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [] { help().showTopic(kHelpContext); });
    connect(m_select, &QPushButton::clicked, this, &Tshortcutdialog::SelectClick);
}

void Tshortcutdialog::setList(const ShortcutList *list, qsizetype except)
{
    m_list = list;
    m_except = except;
}

void Tshortcutdialog::setValue(const ShortcutRecord &record)
{
    m_key->setKey(record.key);
    m_tag->setText(record.tag.left(ShortcutList::kMaxTagLength));
    m_ending->setChecked(record.useEndingTag);
}

ShortcutRecord Tshortcutdialog::value() const
{
    return {QString(), m_key->key(), m_tag->text(), m_ending->isChecked()};
}

void Tshortcutdialog::OkClick()
{
    const ShortcutList none;
    const ShortcutList &list = m_list ? *m_list : none;
    const ShortcutProblem problem = list.check(m_key->key(), m_tag->text(), m_except);
    if (problem == ShortcutProblem::None) {
        accept();
        return;
    }
    (problem == ShortcutProblem::TagMissing ? static_cast<QWidget *>(m_tag) : m_key)->setFocus();
    interaction().information(this, QStringLiteral("Lumaro"), ShortcutList::message(problem));
}

void Tshortcutdialog::SelectClick()
{
    Tscpick picker(this);
    picker.setTagText(m_tag->text());
    if (picker.exec() == QDialog::Accepted)
        m_tag->setText(picker.chosen());
    m_ok->setFocus();
}

void Tshortcutdialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_editExisting)
        setValue({QString(), 0, QString(), true});
    m_key->setFocus();
}

} // namespace lumaro
