#include "timportexportpreffdialog.h"

#include "helpservice.h"
#include "interaction.h"
#include "tregini.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lumaro {

Timportexportpreffdialog::Timportexportpreffdialog(QWidget *parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
    , m_cr(new QLineEdit)
    , m_bold(new QLineEdit)
    , m_italic(new QLineEdit)
    , m_underl(new QLineEdit)
    , m_strike(new QLineEdit)
    , m_useFont(new QCheckBox(QStringLiteral("Use font")))
    , m_standardFont(new QLineEdit)
    , m_selectFont(new QPushButton(QStringLiteral("Select font")))
    , m_ok(new QPushButton(QStringLiteral("Ok")))
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
    , m_help(new QPushButton(QStringLiteral("Help")))
{
    setWindowTitle(QStringLiteral("RTF Import / Export"));

    auto *misc = new QWidget;
    auto *miscLayout = new QFormLayout(misc);
    miscLayout->addRow(QStringLiteral("Line break"), m_cr);
    miscLayout->addRow(QStringLiteral("Bold"), m_bold);
    miscLayout->addRow(QStringLiteral("Italic"), m_italic);
    miscLayout->addRow(QStringLiteral("Underlined"), m_underl);
    miscLayout->addRow(QStringLiteral("Striketru"), m_strike);
    m_tabs->addTab(misc, QStringLiteral("Misc tags"));

    auto *font = new QWidget;
    auto *fontLayout = new QVBoxLayout(font);
    auto *sizeGroup = new QGroupBox(QStringLiteral("Font size"));
    auto *sizeLayout = new QGridLayout(sizeGroup);
    for (int n = 1; n <= 7; ++n) {
        auto *spin = new QSpinBox;
        spin->setRange(0, 9999);
        spin->setObjectName(QStringLiteral("F%1").arg(n));
        m_f[n - 1] = spin;
        auto *label = new QLabel(QStringLiteral("F%1").arg(n));
        label->setBuddy(spin);
        // Two columns: F1..F4 left, F5..F7 right.
        const int row = (n - 1) % 4;
        const int column = (n - 1) / 4 * 2;
        sizeLayout->addWidget(label, row, column);
        sizeLayout->addWidget(spin, row, column + 1);
    }
    fontLayout->addWidget(sizeGroup);
    fontLayout->addWidget(m_useFont);
    auto *standardGroup = new QGroupBox(QStringLiteral("Standard font"));
    auto *standardLayout = new QHBoxLayout(standardGroup);
    standardLayout->addWidget(m_standardFont, 1);
    standardLayout->addWidget(m_selectFont);
    fontLayout->addWidget(standardGroup);
    fontLayout->addStretch(1);
    m_tabs->addTab(font, QStringLiteral("Font size and color"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    m_ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &Timportexportpreffdialog::OkBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &Timportexportpreffdialog::HelpBtnClick);
    connect(m_selectFont, &QPushButton::clicked, this, &Timportexportpreffdialog::SelectFontClick);

    setValue(ImportExportPrefs::read());
}

void Timportexportpreffdialog::setValue(const ImportExportPrefs &prefs)
{
    m_cr->setText(prefs.cr);
    m_bold->setText(prefs.bold);
    m_italic->setText(prefs.italic);
    m_underl->setText(prefs.underl);
    m_strike->setText(prefs.strike);
    for (int n = 0; n < 7; ++n) {
        m_fText[n] = prefs.f[n];
        int value = 0;
        tregini::parseInteger(prefs.f[n], &value);
        m_f[n]->setValue(value);
    }
    m_useFont->setChecked(prefs.usefonttype);
    m_standardFont->setText(prefs.standardfont);
}

ImportExportPrefs Timportexportpreffdialog::value() const
{
    ImportExportPrefs prefs;
    prefs.cr = m_cr->text();
    prefs.bold = m_bold->text();
    prefs.italic = m_italic->text();
    prefs.underl = m_underl->text();
    prefs.strike = m_strike->text();
    for (int n = 0; n < 7; ++n) {
        // A stored text the spin box shows unchanged is kept as it was
        // ("09" stays "09"); any other value is written as a number.
        int stored = 0;
        const bool same = tregini::parseInteger(m_fText[n], &stored) && stored == m_f[n]->value();
        prefs.f[n] = same ? m_fText[n] : QString::number(m_f[n]->value());
    }
    prefs.usefonttype = m_useFont->isChecked();
    prefs.standardfont = m_standardFont->text();
    return prefs;
}

void Timportexportpreffdialog::OkBtnClick()
{
    value().write();
    accept();
}

void Timportexportpreffdialog::HelpBtnClick()
{
    help().showTopic(kHelpContext);
}

void Timportexportpreffdialog::SelectFontClick()
{
    QFont initial(m_standardFont->text());
    const std::optional<QFont> chosen = interaction().font(this, initial);
    if (chosen)
        m_standardFont->setText(chosen->family());
}

void Timportexportpreffdialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_tabs->setCurrentIndex(0);
    m_cr->setFocus();
}

} // namespace lumaro
