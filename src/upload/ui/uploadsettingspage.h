#pragma once

#include "uploadsettings.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lumaro {

/// The "Upload" page of the project preferences: the server, port, user,
/// remote folder, the way of logging in and the key file. There is no
/// password field: a password is asked when uploading and kept only in
/// memory.
class UploadSettingsPage : public QWidget {
    Q_OBJECT
public:
    /// The help topic on uploading.
    static constexpr int kHelpContext = 5200;

    explicit UploadSettingsPage(QWidget *parent = nullptr);

    UploadSettings value() const;
    void setValue(const UploadSettings &settings);

    /// "Browse" for the key file.
    void browseKeyClick();

    QLineEdit *hostEdit() const { return m_host; }
    QSpinBox *portBox() const { return m_port; }
    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *folderEdit() const { return m_folder; }
    QComboBox *loginBox() const { return m_login; }
    QLineEdit *keyFileEdit() const { return m_keyFile; }
    QPushButton *browseKeyButton() const { return m_browseKey; }

private:
    void loginChanged();

    QLineEdit *m_host = nullptr;
    QSpinBox *m_port = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_folder = nullptr;
    QComboBox *m_login = nullptr;
    QLineEdit *m_keyFile = nullptr;
    QPushButton *m_browseKey = nullptr;
};

} // namespace lumaro
