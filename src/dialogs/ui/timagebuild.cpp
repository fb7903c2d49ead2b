#include "timagebuild.h"
#include "helpcontexts.h"
#include "imagemapbuilder.h"
#include "radiogroup.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lumaro {

namespace {
/// Loop Delay steps in tenths of a second.
class StepEdit : public UpDownEdit {
public:
    StepEdit(int minimum, int maximum, int step, QWidget *parent)
        : UpDownEdit(minimum, maximum, parent)
        , m_step(step)
    {
    }
    void stepBy(int steps) override { UpDownEdit::stepBy(steps * m_step); }

private:
    int m_step;
};

QPushButton *urlButton(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("URL"), parent);
    button->setAutoDefault(false);
    return button;
}
} // namespace

Timagebuild::Timagebuild(QWidget *parent)
    : TagDialog(parent, helpcontext::Image)
{
    setObjectName(QStringLiteral("imagebuild"));
    setWindowTitle(QStringLiteral("image"));
    okButton()->setText(QStringLiteral("Ok"));

    m_pages = new QTabWidget(this);
    auto *imagePage = new QWidget;
    auto *videoPage = new QWidget;
    m_pages->addTab(imagePage, QStringLiteral("Image"));
    m_pages->addTab(videoPage, QStringLiteral(" AVI video / Sound"));

    // The "Image" page.
    m_image = new QLineEdit(imagePage);
    m_link = new QLineEdit(imagePage);
    m_lowSrc = new QLineEdit(imagePage);
    m_alt = new QLineEdit(imagePage);
    m_width = new QLineEdit(imagePage);
    m_height = new QLineEdit(imagePage);
    m_imageUrl = urlButton(imagePage);
    m_linkUrl = urlButton(imagePage);
    m_lowSrcUrl = urlButton(imagePage);
    m_image->setMinimumWidth(300);
    m_align = new RadioGroup(QStringLiteral("Align"),
                             {QStringLiteral("None"), QStringLiteral("Top"), QStringLiteral("Middel"),
                              QStringLiteral("Bottom"), QStringLiteral("Left"), QStringLiteral("Right")},
                             imagePage);
    m_clear = new RadioGroup(QStringLiteral("Clear"),
                             {QStringLiteral("None"), QStringLiteral("All"), QStringLiteral("Right"), QStringLiteral("Left")},
                             imagePage);
    m_units = new RadioGroup(QStringLiteral("Unit"),
                             {QStringLiteral("None"), QStringLiteral("Default"), QStringLiteral("Unit"),
                              QStringLiteral("Pixel")},
                             imagePage);
    m_hspace = new UpDownEdit(0, 999, imagePage);
    m_vspace = new UpDownEdit(0, 999, imagePage);
    m_border = new UpDownEdit(0, 999, imagePage);
    m_useMap = new QCheckBox(QStringLiteral("Use Map"), imagePage);
    m_mapBuilder = new QPushButton(QStringLiteral("MAP Builder"), imagePage);
    m_mapBuilder->setAutoDefault(false);

    auto label = [](const QString &text, QWidget *buddy, QWidget *parent) {
        auto *l = new QLabel(text, parent);
        l->setBuddy(buddy);
        return l;
    };
    auto *fields = new QGridLayout;
    fields->addWidget(label(QStringLiteral("Image"), m_image, imagePage), 0, 0);
    fields->addWidget(m_image, 0, 1, 1, 3);
    fields->addWidget(m_imageUrl, 0, 4);
    fields->addWidget(label(QStringLiteral("Link To"), m_link, imagePage), 1, 0);
    fields->addWidget(m_link, 1, 1, 1, 3);
    fields->addWidget(m_linkUrl, 1, 4);
    fields->addWidget(label(QStringLiteral("LowScr"), m_lowSrc, imagePage), 2, 0);
    fields->addWidget(m_lowSrc, 2, 1, 1, 3);
    fields->addWidget(m_lowSrcUrl, 2, 4);
    fields->addWidget(label(QStringLiteral("Alt Text"), m_alt, imagePage), 3, 0);
    fields->addWidget(m_alt, 3, 1, 1, 3);
    fields->addWidget(label(QStringLiteral("Width"), m_width, imagePage), 4, 0);
    fields->addWidget(m_width, 4, 1);
    fields->addWidget(label(QStringLiteral("Height"), m_height, imagePage), 4, 2);
    fields->addWidget(m_height, 4, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto *spaces = new QGridLayout;
    spaces->addWidget(label(QStringLiteral("H space"), m_hspace, imagePage), 0, 0);
    spaces->addWidget(m_hspace, 0, 1);
    spaces->addWidget(label(QStringLiteral("V space"), m_vspace, imagePage), 1, 0);
    spaces->addWidget(m_vspace, 1, 1);
    spaces->addWidget(label(QStringLiteral("Border"), m_border, imagePage), 2, 0);
    spaces->addWidget(m_border, 2, 1);
    auto *mapColumn = new QVBoxLayout;
    mapColumn->addLayout(spaces);
    mapColumn->addSpacing(8);
    mapColumn->addWidget(m_useMap);
    mapColumn->addWidget(m_mapBuilder);
    mapColumn->addStretch();

    auto *groups = new QHBoxLayout;
    groups->addWidget(m_align, 0, Qt::AlignTop);
    groups->addWidget(m_clear, 0, Qt::AlignTop);
    groups->addWidget(m_units, 0, Qt::AlignTop);
    groups->addLayout(mapColumn);

    auto *imageLayout = new QVBoxLayout(imagePage);
    imageLayout->addLayout(fields);
    imageLayout->addLayout(groups);
    imageLayout->addStretch();

    // The " AVI video / Sound" page.
    m_dynsrc = new QLineEdit(videoPage);
    m_videoUrl = urlButton(videoPage);
    auto *start = new QGroupBox(QStringLiteral("Start"), videoPage);
    m_fileOpen = new QCheckBox(QStringLiteral("file open"), start);
    m_mouseOver = new QCheckBox(QStringLiteral("Mouse over"), start);
    auto *startLayout = new QHBoxLayout(start);
    startLayout->addWidget(m_fileOpen);
    startLayout->addWidget(m_mouseOver);
    m_videoLoop = new UpDownEdit(-1, 1000, videoPage);
    m_loopDelay = new StepEdit(0, 30000, 100, videoPage);
    m_controls = new QCheckBox(QStringLiteral("Controls"), videoPage);
    auto *sound = new QGroupBox(QStringLiteral("Background Sound"), videoPage);
    m_sound = new QLineEdit(sound);
    m_soundUrl = urlButton(sound);
    m_soundLoop = new UpDownEdit(-1, 500, sound);
    m_mosaic = new QCheckBox(QStringLiteral("NCSA Mosaic sound"), sound);
    m_mosaic->setToolTip(QStringLiteral("Only for NSCA Mosaic browsers"));

    auto *video = new QGridLayout;
    video->addWidget(label(QStringLiteral("DYNSRC"), m_dynsrc, videoPage), 0, 0);
    video->addWidget(m_dynsrc, 0, 1, 1, 3);
    video->addWidget(m_videoUrl, 0, 4);
    video->addWidget(start, 1, 0, 1, 5);
    video->addWidget(label(QStringLiteral("Loop"), m_videoLoop, videoPage), 2, 0);
    video->addWidget(m_videoLoop, 2, 1, Qt::AlignLeft);
    video->addWidget(label(QStringLiteral("Loop Delay"), m_loopDelay, videoPage), 2, 2);
    video->addWidget(m_loopDelay, 2, 3, Qt::AlignLeft);
    video->addWidget(m_controls, 3, 0, 1, 2);
    video->setColumnStretch(1, 1);
    video->setColumnStretch(3, 1);
    auto *soundLayout = new QGridLayout(sound);
    soundLayout->addWidget(label(QStringLiteral("SRC"), m_sound, sound), 0, 0);
    soundLayout->addWidget(m_sound, 0, 1, 1, 2);
    soundLayout->addWidget(m_soundUrl, 0, 3);
    soundLayout->addWidget(label(QStringLiteral("Loop"), m_soundLoop, sound), 1, 0);
    soundLayout->addWidget(m_soundLoop, 1, 1, Qt::AlignLeft);
    soundLayout->addWidget(m_mosaic, 1, 2, 1, 2);
    soundLayout->setColumnStretch(2, 1);
    auto *videoLayout = new QVBoxLayout(videoPage);
    videoLayout->addLayout(video);
    videoLayout->addWidget(sound);
    videoLayout->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttonBox());

    QList<QWidget *> chain = {m_pages, m_image, m_imageUrl, m_link, m_linkUrl, m_lowSrc, m_lowSrcUrl, m_alt, m_width,
                              m_height};
    chain << m_align->buttons() << m_clear->buttons() << m_units->buttons();
    chain << m_hspace << m_vspace << m_border << m_useMap << m_mapBuilder << m_dynsrc << m_videoUrl << m_fileOpen
          << m_mouseOver << m_videoLoop << m_loopDelay << m_controls << m_sound << m_soundUrl << m_soundLoop << m_mosaic;
    setTabChain(chain);

    // The URL buttons need the link builder.
    for (QPushButton *b : {m_imageUrl, m_linkUrl, m_lowSrcUrl, m_videoUrl, m_soundUrl})
        b->setEnabled(urlPicker() != nullptr);
    connect(m_imageUrl, &QPushButton::clicked, this, &Timagebuild::imageUrlClick);
    connect(m_lowSrcUrl, &QPushButton::clicked, this, &Timagebuild::lowSrcUrlClick);
    connect(m_linkUrl, &QPushButton::clicked, this, [this] { pickInto(PickerMode::Link, m_link, m_lowSrc); });
    connect(m_videoUrl, &QPushButton::clicked, this, [this] { pickInto(PickerMode::Video, m_dynsrc, m_fileOpen); });
    connect(m_soundUrl, &QPushButton::clicked, this, [this] { pickInto(PickerMode::Sound, m_sound, m_soundLoop); });
    connect(m_useMap, &QCheckBox::clicked, this, &Timagebuild::useMapClick);
    connect(m_mapBuilder, &QPushButton::clicked, this, &Timagebuild::mapBuilderClick);

    setValue(ImageTag());
}

void Timagebuild::decodetext(const QString &selection)
{
    m_result.clear();
    setValue(ImageTag::decode(selection));
}

ImageTag Timagebuild::value() const
{
    ImageTag t;
    t.image = m_image->text();
    t.link = m_link->text();
    t.lowSrc = m_lowSrc->text();
    t.alt = m_alt->text();
    t.width = m_width->text();
    t.height = m_height->text();
    t.align = m_align->checkedIndex();
    t.clear = m_clear->checkedIndex();
    t.units = m_units->checkedIndex();
    t.hspace = m_hspace->text();
    t.vspace = m_vspace->text();
    t.border = m_border->text();
    t.useMap = m_useMap->isChecked();
    t.mapPrefix = m_mapPrefix;
    t.mapReference = m_mapReference;
    t.mapPresent = m_mapPresent;
    t.dynsrc = m_dynsrc->text();
    t.startFileOpen = m_fileOpen->isChecked();
    t.startMouseOver = m_mouseOver->isChecked();
    t.videoLoop = m_videoLoop->text();
    t.loopDelay = m_loopDelay->text();
    t.controls = m_controls->isChecked();
    t.soundSrc = m_sound->text();
    t.soundLoop = m_soundLoop->text();
    t.mosaicSound = m_mosaic->isChecked();
    return t;
}

void Timagebuild::setValue(const ImageTag &t)
{
    m_image->setText(t.image);
    m_link->setText(t.link);
    m_lowSrc->setText(t.lowSrc);
    m_alt->setText(t.alt);
    m_width->setText(t.width);
    m_height->setText(t.height);
    m_align->setCheckedIndex(t.align);
    m_clear->setCheckedIndex(t.clear);
    m_units->setCheckedIndex(t.units);
    m_hspace->setText(t.hspace);
    m_vspace->setText(t.vspace);
    m_border->setText(t.border);
    m_mapPrefix = t.mapPrefix;
    m_mapReference = t.mapReference;
    m_mapPresent = t.mapPresent;
    // A decoded map or USEMAP can be kept or rebuilt; otherwise a map needs
    // a picked picture first.
    m_useMap->setChecked(t.useMap);
    m_useMap->setEnabled(t.mapPresent || t.useMap);
    m_mapBuilder->setEnabled(t.useMap && imageMapBuilder() != nullptr);
    m_dynsrc->setText(t.dynsrc);
    m_fileOpen->setChecked(t.startFileOpen);
    m_mouseOver->setChecked(t.startMouseOver);
    m_videoLoop->setText(t.videoLoop);
    m_loopDelay->setText(t.loopDelay);
    m_controls->setChecked(t.controls);
    m_sound->setText(t.soundSrc);
    m_soundLoop->setText(t.soundLoop);
    m_mosaic->setChecked(t.mosaicSound);
}

QWidget *Timagebuild::firstInput() const { return m_image; }

void Timagebuild::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_pages->setCurrentIndex(0);
    TagDialog::showEvent(event);
}

void Timagebuild::accept()
{
    m_result = value().build();
    m_useMap->setChecked(false);
    m_useMap->setEnabled(false);
    TagDialog::accept();
}

void Timagebuild::reject()
{
    m_mapBuilder->setEnabled(false);
    m_useMap->setEnabled(false);
    m_useMap->setChecked(false);
    TagDialog::reject();
}

void Timagebuild::takeSize(const PickedUrl &picked)
{
    // A size that could not be read leaves the fields as they were.
    if (picked.width > 0 && picked.height > 0) {
        m_width->setText(QString::number(picked.width));
        m_height->setText(QString::number(picked.height));
    }
}

void Timagebuild::pickInto(PickerMode mode, QLineEdit *field, QWidget *next)
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, mode))
        field->setText(picked->url);
    next->setFocus(Qt::OtherFocusReason);
}

void Timagebuild::imageUrlClick()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    m_useMap->setEnabled(false);
    m_mapBuilder->setEnabled(false);
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Image)) {
        m_image->setText(picked->url);
        takeSize(*picked);
        m_picture = picked->picture;
        // The map builder draws on the picked picture (or a blank canvas).
        m_useMap->setEnabled(true);
        if (m_useMap->isChecked())
            useMapClick();
    }
    m_link->setFocus(Qt::OtherFocusReason);
}

void Timagebuild::lowSrcUrlClick()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Image)) {
        m_lowSrc->setText(picked->url);
        takeSize(*picked);
    }
    m_alt->setFocus(Qt::OtherFocusReason);
}

void Timagebuild::useMapClick()
{
    if (imageMapBuilder())
        m_mapBuilder->setEnabled(true);
}

void Timagebuild::mapBuilderClick()
{
    ImageMapBuilder *builder = imageMapBuilder();
    if (!builder)
        return;
    MapBuildRequest request;
    if (!m_mapPresent)
        request.picture = m_picture;
    request.imageFileName = m_image->text();
    // The current inline map is read back, so a second visit keeps its areas.
    request.mapText = m_mapPrefix;
    request.mapGiven = m_mapPresent;
    if (const std::optional<MapBuildResult> built = builder->buildMap(this, request)) {
        if (built->external) {
            m_mapPrefix.clear();
            m_mapReference = built->mapText;
        } else {
            m_mapPrefix = built->mapText;
            m_mapReference = u'#' + built->mapName;
        }
    }
    okButton()->setFocus(Qt::OtherFocusReason);
}

} // namespace lumaro
