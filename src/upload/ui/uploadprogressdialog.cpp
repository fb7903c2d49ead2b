#include "uploadprogressdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

UploadProgressDialog::UploadProgressDialog(const QString &destination, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("uploadprogress"));
    setWindowTitle(QStringLiteral("Upload"));
    setModal(true);
    auto *where = new QLabel(QStringLiteral("Uploading to %1").arg(destination), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_files = new QLabel(filesText({}), this);
    m_bytes = new QLabel(bytesText({}), this);
    m_current = new QLabel(QStringLiteral("Connecting..."), this);
    m_current->setMinimumWidth(380);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0); // busy until the totals are known
    auto *buttons = new QDialogButtonBox(this);
    m_cancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &UploadProgressDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_files);
    layout->addWidget(m_bytes);
    layout->addWidget(m_bar);
    layout->addWidget(m_current);
    layout->addWidget(buttons);
}

QString UploadProgressDialog::filesText(const UploadProgress &p)
{
    return QStringLiteral("Files: %1 of %2").arg(p.filesDone).arg(p.filesTotal);
}

QString UploadProgressDialog::bytesText(const UploadProgress &p)
{
    const QLocale c = QLocale::c();
    return QStringLiteral("Bytes: %1 of %2").arg(c.formattedDataSize(p.bytesDone), c.formattedDataSize(p.bytesTotal));
}

void UploadProgressDialog::setProgress(const UploadProgress &p)
{
    m_files->setText(filesText(p));
    m_bytes->setText(bytesText(p));
    if (!m_cancel.load())
        m_current->setText(p.current.isEmpty() ? QString() : QStringLiteral("Sending %1").arg(p.current));
    // Bytes in KiB keep the bar's range within an int for any site.
    m_bar->setRange(0, int(qMax<qint64>(1, p.bytesTotal / 1024)));
    m_bar->setValue(int(p.bytesTotal > 0 ? p.bytesDone / 1024 : 1));
}

void UploadProgressDialog::reject()
{
    // The dialog closes when the upload has stopped, not before: the user
    // sees where it stopped.
    m_cancel.store(true);
    m_cancelButton->setEnabled(false);
    m_current->setText(QStringLiteral("Stopping after the current step..."));
}

} // namespace lumaro
