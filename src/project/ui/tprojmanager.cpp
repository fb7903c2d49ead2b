#include "tprojmanager.h"
#include "dialogfilter.h"
#include "interaction.h"
#include "projectfilelist.h"
#include "tregini.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include "pathlabel.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {

QToolButton *toolButton(const QString &text, QStyle::StandardPixmap icon, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

QGroupBox *group(const QString &title, QWidget *list, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(list);
    return box;
}

} // namespace

Tprojmanager::Tprojmanager(const QByteArray &projectList, QWidget *parent)
    : QDialog(parent)
    , m_model(projectList)
{
    setObjectName(QStringLiteral("projmanager"));
    setWindowTitle(QStringLiteral("Project manager"));

    m_closed = new ProjectFileList(QStringLiteral("closedfiles"), this);
    m_open = new ProjectFileList(QStringLiteral("openfiles"), this);
    m_add = toolButton(QStringLiteral("Add file"), QStyle::SP_FileDialogNewFolder, this);
    m_add->setObjectName(QStringLiteral("addfile"));
    m_remove = toolButton(QStringLiteral("Remove file"), QStyle::SP_TrashIcon, this);
    m_remove->setObjectName(QStringLiteral("removefile"));
    m_close = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setToolTip(QStringLiteral("Close"));
    m_close->setDefault(true);

    // The project path, shortened in the middle when the dialog is narrow.
    m_status = new PathLabel(this);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto *lists = new QHBoxLayout;
    lists->addWidget(group(QStringLiteral("Closed files"), m_closed, this));
    lists->addWidget(group(QStringLiteral("Open files"), m_open, this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(lists, 1);
    layout->addWidget(m_status);
    resize(640, 400);

    connect(m_add, &QToolButton::clicked, this, &Tprojmanager::addFileClick);
    connect(m_remove, &QToolButton::clicked, this, &Tprojmanager::removeFileClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_closed, &ProjectFileList::filesDropped, this, &Tprojmanager::closedListDrop);
    connect(m_open, &ProjectFileList::filesDropped, this, &Tprojmanager::openListDrop);

    m_status->setText(m_model.headerText());
    refill();
}

QString Tprojmanager::statusText() const
{
    return m_status->text();
}

void Tprojmanager::refill()
{
    m_closed->setFiles(m_model.closedFiles());
    m_open->setFiles(m_model.openFiles());
}

void Tprojmanager::addFileClick()
{
    tregini settings;
    FileDialogRequest request;
    request.directory = settings.readlastdir();
    request.filter = dialogFilter(QStringLiteral(
        "HTML files *.html *.htm|*.html;*.htm|Text files *.txt|*.txt|All files *.*|*.*"));
    const QStringList files = interaction().openFiles(this, request);
    if (files.isEmpty())
        return;
    m_model.addFiles(files);
    settings.writelastdir(files.first());
    refill();
}

void Tprojmanager::removeFileClick()
{
    const QStringList files = m_closed->selectedFiles();
    if (files.isEmpty())
        return;
    m_model.removeClosed(files);
    refill();
}

void Tprojmanager::closedListDrop(const QStringList &files)
{
    m_model.moveToClosed(files);
    refill();
}

void Tprojmanager::openListDrop(const QStringList &files)
{
    m_model.moveToOpen(files);
    refill();
}

} // namespace lumaro
