#include "turlbil.h"
#include "browsestart.h"
#include "gifdecoder.h"
#include "helpcontexts.h"
#include "interaction.h"
#include "picturefiles.h"
#include "projectstate.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {
/// A GIF larger than this is not read into memory for a preview.
constexpr qint64 maxGifFileSize = 64ll * 1024 * 1024;
} // namespace

Turlbil::Turlbil(QWidget *parent, std::function<const ProjectState *()> project)
    : TagDialog(parent, helpcontext::LinkBuilder)
    , m_project(std::move(project))
    , m_protocol(new QComboBox(this))
    , m_server(new QLineEdit(this))
    , m_anchor(new QLineEdit(this))
    , m_browse(new QPushButton(QStringLiteral("Browse"), this))
    , m_jump(new QLineEdit(this))
    , m_url(new QLineEdit(this))
    , m_previewPanel(new QFrame(this))
    , m_preview(new QLabel(m_previewPanel))
    , m_visImage(new QCheckBox(QStringLiteral("Vis image"), this))
{
    setObjectName(QStringLiteral("urlbil"));
    setWindowTitle(QStringLiteral("URL Builder"));
    m_protocol->addItems(LinkBuilder::protocols());
    m_server->setMaxLength(LinkBuilder::serverLimit);
    m_jump->setMaxLength(LinkBuilder::jumpLimit);
    m_anchor->setMinimumWidth(280);
    m_browse->setAutoDefault(false);
    m_visImage->setChecked(true);

    m_previewPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_previewPanel->setLineWidth(1);
    const int frame = m_previewPanel->frameWidth();
    m_previewPanel->setFixedSize(LinkBuilder::previewSide + 2 * frame, LinkBuilder::previewSide + 2 * frame);
    m_preview->setScaledContents(true);
    m_preview->hide();

    auto *grid = new QGridLayout;
    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(m_protocol, 0, 1);
    grid->addWidget(label(QStringLiteral("Server"), m_server), 1, 0);
    grid->addWidget(m_server, 1, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Anchor"), m_anchor), 2, 0);
    grid->addWidget(m_anchor, 2, 1);
    grid->addWidget(m_browse, 2, 2);
    grid->addWidget(label(QStringLiteral("Jump to"), m_jump), 3, 0);
    grid->addWidget(m_jump, 3, 1, 1, 2);
    QLabel *urlLabel = label(QStringLiteral("URL"), m_url);
    QFont large = urlLabel->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    urlLabel->setFont(large);
    grid->addWidget(urlLabel, 4, 0);
    grid->addWidget(m_url, 4, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_previewPanel);
    previewColumn->addWidget(m_visImage);
    previewColumn->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addSpacing(8);
    top->addLayout(previewColumn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttonBox());
    setTabChain({m_protocol, m_server, m_anchor, m_browse, m_jump, m_url, m_visImage});

    connect(m_protocol, &QComboBox::activated, this, &Turlbil::recompose);
    connect(m_server, &QLineEdit::textEdited, this, &Turlbil::recompose);
    connect(m_anchor, &QLineEdit::textEdited, this, &Turlbil::recompose);
    connect(m_jump, &QLineEdit::textEdited, this, &Turlbil::recompose);
    // A URL typed directly is taken as it stands.
    connect(m_url, &QLineEdit::textEdited, this, [this](const QString &text) { m_pickedUrl = text; });
    connect(m_browse, &QPushButton::clicked, this, &Turlbil::BrowseClick);
}

std::optional<PickedUrl> Turlbil::pick(QWidget *, PickerMode mode)
{
    m_mode = mode;
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return picked();
}

PickedUrl Turlbil::picked() const
{
    PickedUrl p;
    p.url = m_pickedUrl;
    if (m_mode == PickerMode::Image) {
        p.width = m_width;
        p.height = m_height;
        if (m_visImage->isChecked())
            p.picture = m_picture;
    }
    return p;
}

void Turlbil::FormActivate()
{
    m_picture = QImage();
    m_width = 0;
    m_height = 0;
    m_pickedUrl.clear();
    m_server->clear();
    m_anchor->clear();
    m_jump->clear();
    m_url->clear();
    m_protocol->setCurrentIndex(0);
    clearPreview();
}

QWidget *Turlbil::firstInput() const { return m_protocol; }

void Turlbil::accept()
{
    clearPreview();
    TagDialog::accept();
}

void Turlbil::recompose()
{
    LinkBuilder link;
    link.protocol = m_protocol->currentIndex();
    link.server = m_server->text();
    link.anchor = m_anchor->text();
    link.jump = m_jump->text();
    m_pickedUrl = link.url();
    m_url->setText(m_pickedUrl);
}

void Turlbil::clearPreview()
{
    m_preview->clear();
    m_preview->hide();
}

void Turlbil::BrowseClick()
{
    const ProjectState *project = m_project ? m_project() : nullptr;
    const bool projectOpen = project && project->isOpen();
    BrowseStart::Root root = BrowseStart::Root::None;
    if (m_mode == PickerMode::Link)
        root = BrowseStart::Root::Project;
    else if (m_mode == PickerMode::Image)
        root = BrowseStart::Root::Images;

    FileDialogRequest request;
    request.directory = BrowseStart::directory(project, root);
    request.filter = LinkBuilder::nameFilters().join(QStringLiteral(";;"));
    request.selectedFilter = LinkBuilder::nameFilter(int(m_mode));
    const QString file = interaction().openFile(this, request);
    if (file.isEmpty())
        return;

    // Nothing of an earlier pick may be handed over with this one.
    m_picture = QImage();
    m_width = 0;
    m_height = 0;
    clearPreview();

    m_anchor->setText(projectOpen ? PictureFiles::quoteSafe(project->pathToUrl(file)) : QDir::toNativeSeparators(file));
    recompose();
    if (m_mode == PickerMode::Image && !readPicture(file))
        return;
    m_jump->setFocus(Qt::OtherFocusReason);
}

bool Turlbil::readPicture(const QString &file)
{
    if (!PictureFiles::isGif(file) || !m_visImage->isChecked()) {
        const QSize size = PictureFiles::readSize(file);
        m_width = size.width();
        m_height = size.height();
        return true;
    }
    GifDecodeResult gif;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            gif.error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(file), in.errorString());
        else if (in.size() > maxGifFileSize)
            gif.error = QStringLiteral("%1 is too large to show").arg(QDir::toNativeSeparators(file));
        else
            gif = GifDecoder::decode(in.readAll());
        QApplication::restoreOverrideCursor();
    }
    if (!gif.ok) {
        interaction().warning(this, QStringLiteral("Lumaro"), gif.error);
        return false;
    }
    m_picture = gif.image;
    m_width = gif.width;
    m_height = gif.height;
    const QSize size = LinkBuilder::previewSize(gif.width, gif.height);
    if (!size.isEmpty()) {
        const int frame = m_previewPanel->frameWidth();
        m_preview->setGeometry(frame + (LinkBuilder::previewSide - size.width()) / 2,
                               frame + (LinkBuilder::previewSide - size.height()) / 2, size.width(), size.height());
        m_preview->setPixmap(QPixmap::fromImage(m_picture));
        m_preview->show();
    }
    return true;
}

} // namespace lumaro
