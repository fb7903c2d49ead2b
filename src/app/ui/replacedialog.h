#pragma once

#include "replacerequest.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumaro {

/// The search-and-replace dialog, created for one use. The caller sets
/// whether a project is open, whether several pages are open and the active
/// page's selected text before showing it; on showing, the scope boxes that
/// make no sense are cleared and disabled and the find box gets the
/// selection. Ticking a scope box forces "Entire scope".
class Treplace : public QDialog {
    Q_OBJECT
public:
    /// Help context of the dialog's Help button.
    static constexpr int HelpContext = 1480;

    explicit Treplace(QWidget *parent = nullptr);

    // Set by the caller before showing.
    bool projectOpen = false;
    bool severalPagesOpen = false;
    QString selectedText;

    QLineEdit *Edit1 = nullptr;        ///< "Text to find"
    QLineEdit *Edit2 = nullptr;        ///< "Replace with"
    QCheckBox *CheckBox1 = nullptr;    ///< "Whole words only"
    QCheckBox *CheckBox2 = nullptr;    ///< case sensitive
    QCheckBox *CheckBox3 = nullptr;    ///< "Search in all open files"
    QCheckBox *CheckBox4 = nullptr;    ///< "Search in the whole project"
    QRadioButton *RadioButton1 = nullptr; ///< "From cursor"
    QRadioButton *RadioButton2 = nullptr; ///< "Entire scope"
    QPushButton *replaceButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

    /// Applies the caller's fields to the controls (run when the dialog is shown).
    void FormActivate();
    /// A click on one of the two scope boxes.
    void scopeBoxClick(QCheckBox *clicked);

    /// The order made of the controls.
    ReplaceRequest request() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
};

} // namespace lumaro
