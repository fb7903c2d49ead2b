#pragma once

#include "preferences.h"
#include "shortcutlist.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace lumaro {

class ColorGrid;
class thtmlrichedit;
class tregini;

/// The preferences dialog: editor, autosave, preview browser, shortcuts and
/// tag colours, with a sample page recoloured as the colours change.
///
/// The colour, attribute, colour-switch and font settings are written at
/// once, so the sample pane (a page editor) shows them; everything else is
/// handed back through value() and written by the preferences command after
/// "Ok". The shortcut list is the dialog's own copy: the caller takes it
/// back only after "Ok", so a cancelled edit changes nothing.
class Tpreffdialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1400;

    explicit Tpreffdialog(QWidget *parent = nullptr);
    ~Tpreffdialog() override;

    void setShortcuts(const ShortcutList &list);
    const ShortcutList &shortcuts() const { return m_shortcuts; }
    /// Fills the editor, autosave and browser controls (the colour boxes
    /// are read from the settings when the dialog is shown).
    void setValue(const Preferences &prefs);
    Preferences value() const;

    // Event handlers.
    void fyldgrid();
    void Button6Click(); ///< "New"
    void Button7Click(); ///< "Delete"
    void Button8Click(); ///< "Modify"
    void classListClick();
    void colorGridChange(int index);
    void attributeClick();
    void useColorClick();
    void useAttributesClick();
    void autosaveClick();
    void selectFontClick();
    void browseClick();
    /// Recolours the sample pane from the current settings, reset first.
    void refreshSample();

    // The controls.
    QTabWidget *tabs() const { return m_tabs; }
    QCheckBox *wordwrapCheck() const { return m_wordwrap; }
    QPushButton *selectFontButton() const { return m_selectFont; }
    QCheckBox *convsaveCheck() const { return m_convsave; }
    QCheckBox *autosaveCheck() const { return m_autosave; }
    QSpinBox *minutesEdit() const { return m_minutes; }
    QLabel *minutesLabel() const { return m_minutesLabel; }
    QPushButton *browseButton() const { return m_browse; }
    QLineEdit *browserEdit() const { return m_browser; }
    QTableWidget *grid() const { return m_grid; }
    QPushButton *newButton() const { return m_new; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *modifyButton() const { return m_modify; }
    QCheckBox *useColorCheck() const { return m_useColor; }
    QCheckBox *useAttributesCheck() const { return m_useAttributes; }
    QListWidget *classList() const { return m_classes; }
    ColorGrid *colorGrid() const { return m_colors; }
    QCheckBox *boldCheck() const { return m_bold; }
    QCheckBox *italicCheck() const { return m_italic; }
    QCheckBox *underlinedCheck() const { return m_underlined; }
    thtmlrichedit *samplePane() const { return m_sample; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildEditorTab();
    QWidget *buildPreviewTab();
    QWidget *buildShortcutsTab();
    QWidget *buildColorTab();
    void loadSample();
    QString selectedClass() const;
    int selectedRow() const;
    tregini &settings();

    QTabWidget *m_tabs;
    QCheckBox *m_wordwrap = nullptr;
    QPushButton *m_selectFont = nullptr;
    QCheckBox *m_convsave = nullptr;
    QCheckBox *m_autosave = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QSpinBox *m_minutes = nullptr;
    QPushButton *m_browse = nullptr;
    QLineEdit *m_browser = nullptr;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_modify = nullptr;
    QCheckBox *m_useColor = nullptr;
    QCheckBox *m_useAttributes = nullptr;
    QListWidget *m_classes = nullptr;
    ColorGrid *m_colors = nullptr;
    QGroupBox *m_attributes = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QCheckBox *m_underlined = nullptr;
    thtmlrichedit *m_sample = nullptr;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;

    ShortcutList m_shortcuts;
    /// The dialog's own settings store, from showing to closing.
    std::unique_ptr<tregini> m_settings;
};

} // namespace lumaro
