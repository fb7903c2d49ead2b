#pragma once

#include "importexportprefs.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace lumaro {

/// The "RTF Import / Export" preferences: the tags the RTF import writes
/// (tab "Misc tags") and the font size thresholds, the use of font faces and
/// the standard font (tab "Font size and color").
///
/// It reads the settings when it is created; "Ok" writes them all back,
/// "Cancel" writes nothing.
class Timportexportpreffdialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1450;

    explicit Timportexportpreffdialog(QWidget *parent = nullptr);

    void setValue(const ImportExportPrefs &prefs);
    ImportExportPrefs value() const;

    // The controls, for tests and the main window's wiring.
    QTabWidget *tabs() const { return m_tabs; }
    QLineEdit *lineBreakEdit() const { return m_cr; }
    QLineEdit *boldEdit() const { return m_bold; }
    QLineEdit *italicEdit() const { return m_italic; }
    QLineEdit *underlinedEdit() const { return m_underl; }
    QLineEdit *strikeEdit() const { return m_strike; }
    QSpinBox *sizeEdit(int n) const { return m_f[n - 1]; }
    QCheckBox *useFontCheck() const { return m_useFont; }
    QLineEdit *standardFontEdit() const { return m_standardFont; }
    QPushButton *selectFontButton() const { return m_selectFont; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

    // Event handlers.
    void OkBtnClick();
    void HelpBtnClick();
    void SelectFontClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTabWidget *m_tabs;
    QLineEdit *m_cr;
    QLineEdit *m_bold;
    QLineEdit *m_italic;
    QLineEdit *m_underl;
    QLineEdit *m_strike;
    std::array<QSpinBox *, 7> m_f{};
    QCheckBox *m_useFont;
    QLineEdit *m_standardFont;
    QPushButton *m_selectFont;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    // Threshold texts as read, kept when their spin box was not changed.
    std::array<QString, 7> m_fText;
};

} // namespace lumaro
