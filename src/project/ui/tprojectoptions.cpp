#include "tprojectoptions.h"
#include "dialogrunner.h"
#include "helpservice.h"
#include "interaction.h"
#include "tinifil.h"
#include "tprojoptionsroot.h"
#include "uploadsettingspage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include "pathlabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lumaro {

namespace {

QLabel *pathLabel(QWidget *parent)
{
    // A long directory is shortened in the middle, the whole of it in the tooltip.
    auto *label = new PathLabel(parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(260);
    return label;
}

} // namespace

Tprojectoptions::Tprojectoptions(const QString &optionsFile, Tprojoptionsroot *picker, QWidget *parent)
    : QDialog(parent)
    , m_fileName(optionsFile)
    , m_picker(picker)
{
    setObjectName(QStringLiteral("projectoptions"));
    setWindowTitle(QStringLiteral("Project preferences"));

    m_pages = new QTabWidget(this);
    auto *page = new QWidget(m_pages);
    m_pages->addTab(page, QStringLiteral("Preferences"));

    auto *urlGroup = new QGroupBox(QStringLiteral("Dos-path / URL"), page);
    m_autoUrl = new QCheckBox(QStringLiteral("Automatic replace Dos-path with URL"), urlGroup);
    (new QVBoxLayout(urlGroup))->addWidget(m_autoUrl);

    auto *publishGroup = new QGroupBox(QStringLiteral("Publish"), page);
    m_convChar = new QCheckBox(QStringLiteral("Convert special characters to tags when publish"), publishGroup);
    m_checkExternal = new QCheckBox(QStringLiteral("Check external links"), publishGroup);
    m_checkExternal->setToolTip(QStringLiteral("Ask the server of every http: and https: link when the links are checked"));
    auto *publishLayout = new QVBoxLayout(publishGroup);
    publishLayout->addWidget(m_convChar);
    publishLayout->addWidget(m_checkExternal);

    m_useRoot = new QCheckBox(QStringLiteral("Use a standard root for the project"), page);
    m_root = pathLabel(page);
    m_root->setObjectName(QStringLiteral("rootlabel"));
    m_browseRoot = new QPushButton(QStringLiteral("Browse"), page);
    m_useImageRoot = new QCheckBox(QStringLiteral("Use a standard dir to images"), page);
    m_imageRoot = pathLabel(page);
    m_imageRoot->setObjectName(QStringLiteral("imagerootlabel"));
    m_browseImage = new QPushButton(QStringLiteral("Browse"), page);

    auto *dirs = new QGridLayout;
    dirs->addWidget(m_useRoot, 0, 0, 1, 3);
    dirs->addWidget(new QLabel(QStringLiteral("Root dir:"), page), 1, 0);
    dirs->addWidget(m_root, 1, 1);
    dirs->addWidget(m_browseRoot, 1, 2);
    dirs->addWidget(m_useImageRoot, 2, 0, 1, 3);
    dirs->addWidget(new QLabel(QStringLiteral("Image dir:"), page), 3, 0);
    dirs->addWidget(m_imageRoot, 3, 1);
    dirs->addWidget(m_browseImage, 3, 2);
    dirs->setColumnStretch(1, 1);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(urlGroup);
    pageLayout->addWidget(publishGroup);
    pageLayout->addLayout(dirs);
    pageLayout->addStretch(1);

    m_upload = new UploadSettingsPage(m_pages);
    m_pages->addTab(m_upload, QStringLiteral("Upload"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &Tprojectoptions::okClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The Upload page has a topic of its own.
    connect(help, &QPushButton::clicked, this,
            [this] { lumaro::help().showTopic(m_pages->currentWidget() == m_upload ? UploadSettingsPage::kHelpContext : 1440); });
    connect(m_browseRoot, &QPushButton::clicked, this, &Tprojectoptions::browseRootClick);
    connect(m_browseImage, &QPushButton::clicked, this, &Tprojectoptions::browseImageClick);

    m_pages->setCurrentIndex(0);
    setValue(ProjectOptions::read(tinifil(m_fileName)));
    m_upload->setValue(UploadSettings::read(m_fileName));
}

ProjectOptions Tprojectoptions::value() const
{
    ProjectOptions o;
    o.autoUrl = m_autoUrl->isChecked();
    o.convChar = m_convChar->isChecked();
    o.useRoot = m_useRoot->isChecked();
    o.root = m_root->text();
    o.useImageRoot = m_useImageRoot->isChecked();
    o.imageRoot = m_imageRoot->text();
    o.checkExternal = m_checkExternal->isChecked();
    return o;
}

void Tprojectoptions::setValue(const ProjectOptions &o)
{
    m_autoUrl->setChecked(o.autoUrl);
    m_convChar->setChecked(o.convChar);
    m_useRoot->setChecked(o.useRoot);
    m_root->setText(o.root);
    m_root->setToolTip(o.root);
    m_useImageRoot->setChecked(o.useImageRoot);
    m_imageRoot->setText(o.imageRoot);
    m_imageRoot->setToolTip(o.imageRoot);
    m_checkExternal->setChecked(o.checkExternal);
}

bool Tprojectoptions::browse(QLabel *label)
{
    if (!m_picker)
        return false;
    m_picker->setDirectoryText(label->text());
    if (DialogRunner::run(*m_picker) != QDialog::Accepted)
        return false;
    label->setText(m_picker->directoryText());
    label->setToolTip(label->text());
    return true;
}

void Tprojectoptions::browseRootClick()
{
    browse(m_root);
    m_useImageRoot->setFocus();
}

void Tprojectoptions::browseImageClick()
{
    browse(m_imageRoot);
    m_browseImage->nextInFocusChain()->setFocus();
}

void Tprojectoptions::okClick()
{
    // Upload settings with a server must be usable; none at all is fine.
    const UploadSettings upload = m_upload->value();
    if (const QString problem = upload.problem(); upload.isSet() && !problem.isEmpty()) {
        m_pages->setCurrentWidget(m_upload);
        interaction().warning(this, QStringLiteral("Lumaro"), problem);
        return;
    }
    tinifil file(m_fileName);
    QString error;
    if (!value().write(file))
        error = file.lastError();
    else if (upload != UploadSettings::read(m_fileName)) // a project without them keeps its file as it was
        upload.write(m_fileName, &error);
    if (!error.isEmpty()) {
        interaction().warning(this, QStringLiteral("Lumaro"),
                              QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_fileName), error));
        return;
    }
    accept();
}

} // namespace lumaro
