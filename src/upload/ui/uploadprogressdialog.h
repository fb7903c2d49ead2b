#pragma once

#include "uploader.h"

#include <QDialog>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumaro {

/// The window shown while an upload runs: where to, files and bytes done
/// of the total, the file being sent, and Cancel, which stops the upload at
/// the next file boundary (the file being sent is given up and its
/// temporary copy removed).
class UploadProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit UploadProgressDialog(const QString &destination, QWidget *parent = nullptr);

    /// Shows how far the upload is; called on the window's thread.
    void setProgress(const UploadProgress &progress);
    /// Whether Cancel was pressed; read from the upload's thread.
    bool cancelRequested() const { return m_cancel.load(); }

    /// "Files: 3 of 10" and "Bytes: 30.5 KB of 100.0 KB".
    static QString filesText(const UploadProgress &progress);
    static QString bytesText(const UploadProgress &progress);

    QLabel *filesLabel() const { return m_files; }
    QLabel *bytesLabel() const { return m_bytes; }
    QLabel *currentLabel() const { return m_current; }
    QPushButton *cancelButton() const { return m_cancelButton; }

protected:
    void reject() override;

private:
    QLabel *m_files = nullptr;
    QLabel *m_bytes = nullptr;
    QLabel *m_current = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancelButton = nullptr;
    std::atomic<bool> m_cancel{false};
};

} // namespace lumaro
