#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumaro {

/// The search dialog: the text to find, the two find options and where the
/// search starts. Created once and reused, so its check boxes and origin
/// keep their state between searches; the caller refills the text box each
/// time it opens.
class Tsoegdialog : public QDialog {
    Q_OBJECT
public:
    /// Help context of the dialog's Help button.
    static constexpr int HelpContext = 1470;

    explicit Tsoegdialog(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr;        ///< text to find
    QCheckBox *CheckBox1 = nullptr;    ///< "Whole words only"
    QCheckBox *CheckBox2 = nullptr;    ///< "Case sensitive"
    QRadioButton *RadioButton1 = nullptr; ///< "From cursor"
    QRadioButton *RadioButton2 = nullptr; ///< "Entire scope"
    QPushButton *searchButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

protected:
    /// Focuses the text box whenever the dialog opens.
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
};

} // namespace lumaro
