#include "uploadsettingspage.h"
#include "interaction.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumaro {

UploadSettingsPage::UploadSettingsPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("uploadpage"));
    m_host = new QLineEdit(this);
    m_host->setPlaceholderText(QStringLiteral("www.example.org"));
    m_port = new QSpinBox(this);
    m_port->setRange(1, 65535);
    m_port->setValue(22);
    m_user = new QLineEdit(this);
    m_user->setPlaceholderText(QStringLiteral("your own user name"));
    m_folder = new QLineEdit(this);
    m_folder->setPlaceholderText(QStringLiteral("public_html"));
    m_login = new QComboBox(this);
    // In the order of UploadSettings::Login.
    m_login->addItems({QStringLiteral("SSH agent"), QStringLiteral("Key file"), QStringLiteral("Password")});
    m_keyFile = new QLineEdit(this);
    m_browseKey = new QPushButton(QStringLiteral("Browse"), this);

    auto *keyRow = new QHBoxLayout;
    keyRow->addWidget(m_keyFile, 1);
    keyRow->addWidget(m_browseKey);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Server:"), m_host);
    form->addRow(QStringLiteral("Port:"), m_port);
    form->addRow(QStringLiteral("User:"), m_user);
    form->addRow(QStringLiteral("Remote folder:"), m_folder);
    form->addRow(QStringLiteral("Log in with:"), m_login);
    form->addRow(QStringLiteral("Key file:"), keyRow);

    auto *note = new QLabel(QStringLiteral("The published site is sent over SFTP, new and changed files only. "
                                           "A password or passphrase is asked when you upload and kept only "
                                           "until Lumaro closes; it is never written anywhere."),
                            this);
    note->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(m_login, &QComboBox::currentIndexChanged, this, &UploadSettingsPage::loginChanged);
    connect(m_browseKey, &QPushButton::clicked, this, &UploadSettingsPage::browseKeyClick);
    loginChanged();
}

UploadSettings UploadSettingsPage::value() const
{
    UploadSettings s;
    s.host = m_host->text().trimmed();
    s.port = m_port->value();
    s.user = m_user->text().trimmed();
    s.folder = m_folder->text().trimmed();
    s.login = static_cast<UploadSettings::Login>(qBound(0, m_login->currentIndex(), 2));
    s.keyFile = m_keyFile->text().trimmed();
    return s;
}

void UploadSettingsPage::setValue(const UploadSettings &s)
{
    m_host->setText(s.host);
    m_port->setValue(s.port);
    m_user->setText(s.user);
    m_folder->setText(s.folder);
    m_login->setCurrentIndex(static_cast<int>(s.login));
    m_keyFile->setText(s.keyFile);
    loginChanged();
}

void UploadSettingsPage::loginChanged()
{
    const bool key = m_login->currentIndex() == static_cast<int>(UploadSettings::Login::Key);
    m_keyFile->setEnabled(key);
    m_browseKey->setEnabled(key);
}

void UploadSettingsPage::browseKeyClick()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Key file");
    request.directory = m_keyFile->text().isEmpty() ? QDir::homePath() + QStringLiteral("/.ssh")
                                                    : QFileInfo(m_keyFile->text()).absolutePath();
    request.filter = QStringLiteral("All files (*)");
    const QString file = interaction().openFile(this, request);
    if (!file.isEmpty())
        m_keyFile->setText(file);
}

} // namespace lumaro
