#include "tmapbuild.h"

#include "dialogfilter.h"
#include "imagemaphelp.h"
#include "imagereaders.h"
#include "interaction.h"
#include "mapfile.h"
#include "tmapurl.h"
#include "tregini.h"
#include "tvarnoimage.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

static void initImageMapResources() { Q_INIT_RESOURCE(imagemap); }

namespace lumaro {

namespace {

const QString kFilter = QStringLiteral(
    "Html,Htm files|*.html;*.htm|Image files: jpeg, gif|*.gif;*.jpg;*.jpeg|Video files|*.avi|"
    "Sound files|*.wav;*.mdi;*.midi;*.au;*.mid|Map files|*.map|Gif images|*.gif|All files|*.*");

/// The entry of the dialog filter whose description is name.
QString filterEntry(const QString &name)
{
    const QStringList entries = dialogFilter(kFilter).split(QStringLiteral(";;"));
    for (const QString &e : entries)
        if (e.startsWith(name + QStringLiteral(" (")))
            return e;
    return {};
}

/// Pictures larger than this are not read into memory.
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

Tmapbuild::Tmapbuild(QWidget *parent)
    : TagDialog(parent, helpcontext::MapBuilder)
    , m_canvas(new TvarnoImage)
    , m_scroll(new QScrollArea(this))
    , m_name(new QLineEdit(this))
    , m_comment(new QLineEdit(this))
    , m_tools(new QActionGroup(this))
    , m_mapurl(new Tmapurl(this))
{
    initImageMapResources();
    setObjectName(QStringLiteral("mapbuild"));
    setWindowTitle(QStringLiteral("mapbuild"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_comment->setObjectName(QStringLiteral("Edit2"));

    auto makeButton = [this](const QString &name, const QString &glyph, const QString &hint) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(QIcon(QStringLiteral(":/imagemap/") + glyph + QStringLiteral(".svg")));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        return b;
    };
    auto makeTool = [this, &makeButton](const QString &name, const QString &glyph, const QString &hint, Tool tool) {
        QToolButton *b = makeButton(name, glyph, hint);
        auto *action = new QAction(b->icon(), hint, this);
        action->setCheckable(true);
        action->setToolTip(hint);
        m_tools->addAction(action);
        b->setDefaultAction(action);
        // A click always selects its tool, also when it releases the button.
        connect(action, &QAction::triggered, this, [this, tool] { selectTool(tool); });
        return std::pair{b, action};
    };
    m_tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto [rectButton, rect] = makeTool(QStringLiteral("SpeedButton1"), QStringLiteral("rectangle"),
                                       QStringLiteral("Make a rectangle map on the picture"), Tool::Rectangle);
    auto [circleButton, circle] = makeTool(QStringLiteral("SpeedButton2"), QStringLiteral("circle"),
                                           QStringLiteral("Make a circlear map on the picture"), Tool::Circle);
    auto [selectButton, select] = makeTool(QStringLiteral("SpeedButton3"), QStringLiteral("selection"),
                                           QStringLiteral("Selection tools"), Tool::Selection);
    m_rectangle = rect;
    m_circle = circle;
    m_selection = select;
    m_delete = makeButton(QStringLiteral("SpeedButton4"), QStringLiteral("delete"), QString());
    m_delete->setAccessibleName(QStringLiteral("Delete"));
    m_properties = makeButton(QStringLiteral("SpeedButton5"), QStringLiteral("properties"), QString());
    m_properties->setAccessibleName(QStringLiteral("Area properties"));
    m_save = makeButton(QStringLiteral("SpeedButton6"), QStringLiteral("savemap"), QStringLiteral("Save map as a external file"));
    m_open = makeButton(QStringLiteral("SpeedButton7"), QStringLiteral("openmap"), QStringLiteral("Open a mapfile"));

    auto *toolRow = new QHBoxLayout;
    toolRow->setSpacing(2);
    for (QToolButton *b : {rectButton, circleButton, selectButton, m_delete, m_properties})
        toolRow->addWidget(b);
    auto *extern_ = new QGroupBox(QStringLiteral("Extern fil"), this);
    auto *externRow = new QHBoxLayout(extern_);
    externRow->addWidget(m_save);
    externRow->addWidget(m_open);
    auto *left = new QVBoxLayout;
    left->addLayout(toolRow);
    left->addWidget(extern_);
    left->addStretch();

    auto *fields = new QGridLayout;
    auto *nameLabel = new QLabel(QStringLiteral("Map name"), this);
    nameLabel->setBuddy(m_name);
    auto *commentLabel = new QLabel(QStringLiteral("Comment"), this);
    commentLabel->setBuddy(m_comment);
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Must be filled in"), this), 0, 2);
    fields->addWidget(commentLabel, 1, 0);
    fields->addWidget(m_comment, 1, 1, 1, 2);
    fields->setRowStretch(2, 1);
    m_name->setMinimumWidth(180);

    buttonBox()->setOrientation(Qt::Vertical);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(8);
    top->addLayout(fields, 1);
    top->addSpacing(8);
    top->addWidget(buttonBox());

    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidget(m_canvas);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setMinimumSize(TvarnoImage::blankWidth + 4, TvarnoImage::blankHeight + 4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_scroll, 1);

    connect(m_delete, &QToolButton::clicked, this, &Tmapbuild::DeleteClick);
    connect(m_properties, &QToolButton::clicked, this, &Tmapbuild::PropertiesClick);
    connect(m_save, &QToolButton::clicked, this, &Tmapbuild::SaveMapClick);
    connect(m_open, &QToolButton::clicked, this, &Tmapbuild::OpenMapClick);
    connect(m_canvas, &TvarnoImage::pressed, this, &Tmapbuild::canvasPressed);
    connect(m_canvas, &TvarnoImage::moved, this, &Tmapbuild::canvasMoved);
    connect(m_canvas, &TvarnoImage::released, this, &Tmapbuild::canvasReleased);
    setTabChain({m_name, m_comment});
    updateButtons();
}

Tmapbuild::~Tmapbuild() = default;

QWidget *Tmapbuild::firstInput() const { return m_name; }

std::optional<MapBuildResult> Tmapbuild::buildMap(QWidget *parent, const MapBuildRequest &request)
{
    if (isVisible())
        return std::nullopt; // already building a map
    launch(request);
    // The builder opens over the dialog that called it, as its child window
    // for the time it is shown; it is its own window again afterwards, as
    // it outlives that dialog.
    if (parent)
        setParent(parent->window(), windowFlags());
    const bool accepted = exec() == QDialog::Accepted;
    if (parent)
        setParent(nullptr, windowFlags());
    // The area list lives only while the builder is open.
    m_areas.clear();
    m_picked = m_found = false;
    if (!accepted)
        return std::nullopt;
    return m_result;
}

void Tmapbuild::launch(const MapBuildRequest &request)
{
    m_areas.clear();
    m_found = m_picked = m_hitOnce = false;
    m_external = false;
    m_mapFileSaved = false;
    m_mapFileName.clear();
    m_result = {};
    m_name->clear();
    m_comment->clear();
    m_imageFileName = request.imageFileName;
    m_rectangle->setChecked(false);
    m_circle->setChecked(false);
    m_tool = m_selection->isChecked() ? Tool::Selection : Tool::None;
    m_pressTool = Tool::None;
    m_canvas->setPicture(request.picture);
    if (!request.mapText.isEmpty())
        readMapText(request);
    updateButtons();
}

void Tmapbuild::selectTool(Tool tool)
{
    endPick();
    m_tool = tool;
    updateButtons();
}

QPoint Tmapbuild::clamp(QPoint p) const
{
    const QRect b = m_canvas->bounds();
    return QPoint(std::clamp(p.x(), b.left(), b.right()), std::clamp(p.y(), b.top(), b.bottom()));
}

QRect Tmapbuild::circleBox(int x) const
{
    const QRect b = m_canvas->bounds();
    int d = x - m_start.x();
    if (d >= 0)
        d = std::min({d, b.right() - m_start.x(), b.bottom() - m_start.y()});
    else
        d = std::max({d, b.left() - m_start.x(), b.top() - m_start.y()});
    return normalisedBox(m_start, m_start + QPoint(d, d));
}

void Tmapbuild::drawShape(MapShape shape, const QRect &box)
{
    if (shape == MapShape::Rectangle)
        m_canvas->xorRectangle(box);
    else if (shape == MapShape::Circle)
        m_canvas->xorEllipse(box);
}

void Tmapbuild::canvasPressed(QPoint at, Qt::MouseButton)
{
    const QPoint p = clamp(at);
    m_pressTool = m_tool;
    switch (m_tool) {
    case Tool::Rectangle:
        m_start = p;
        m_currentRect = normalisedBox(p, clamp(p + QPoint(2, 2)));
        m_canvas->xorRectangle(m_currentRect);
        break;
    case Tool::Circle:
        m_start = p;
        m_currentCircle = circleBox(p.x() + 2);
        m_canvas->xorEllipse(m_currentCircle);
        break;
    case Tool::Selection:
        if (!m_picked) {
            const qsizetype hit = m_areas.search(p.x(), p.y());
            m_found = hit >= 0;
            if (m_found) {
                m_pickedBox = m_areas.at(hit).box();
                m_canvas->xorHandles(m_pickedBox);
                m_picked = true;
                m_hitOnce = true;
            }
        }
        m_last = p;
        break;
    case Tool::None:
        break;
    }
    updateButtons();
}

void Tmapbuild::canvasMoved(QPoint at)
{
    const QPoint p = clamp(at);
    switch (m_pressTool) {
    case Tool::Rectangle: {
        const QRect box = normalisedBox(m_start, p);
        m_canvas->xorRectangle(box);
        m_canvas->xorRectangle(m_currentRect);
        m_currentRect = box;
        break;
    }
    case Tool::Circle: {
        const QRect box = circleBox(p.x());
        m_canvas->xorEllipse(box);
        m_canvas->xorEllipse(m_currentCircle);
        m_currentCircle = box;
        break;
    }
    case Tool::Selection: {
        if (!(m_found && m_picked) || !m_areas.currentIsLive())
            break;
        // A move never takes the box further off the picture; a box that
        // came from a file and lies partly outside may still come back in.
        const QRect b = m_canvas->bounds();
        const QRect &box = m_pickedBox;
        const int dx = std::clamp(p.x() - m_last.x(), std::min(0, b.left() - box.left()),
                                  std::max(0, b.right() - box.right()));
        const int dy = std::clamp(p.y() - m_last.y(), std::min(0, b.top() - box.top()),
                                  std::max(0, b.bottom() - box.bottom()));
        if (dx == 0 && dy == 0)
            break;
        const MapShape shape = m_areas.at(m_areas.current()).shape;
        const QRect moved = box.translated(dx, dy);
        drawShape(shape, moved);
        m_canvas->xorHandles(moved);
        m_canvas->xorHandles(box);
        drawShape(shape, box);
        m_pickedBox = moved;
        m_last += QPoint(dx, dy);
        break;
    }
    case Tool::None:
        break;
    }
}

void Tmapbuild::canvasReleased(QPoint, Qt::MouseButton button)
{
    const Tool tool = m_pressTool;
    m_pressTool = Tool::None;
    if (tool == Tool::Rectangle || tool == Tool::Circle) {
        MapArea area;
        area.shape = tool == Tool::Circle ? MapShape::Circle : MapShape::Rectangle;
        area.setBox(tool == Tool::Circle ? m_currentCircle : m_currentRect);
        m_areas.append(area);
        // The area just drawn is the current one: "Area properties" is at hand.
        m_hitOnce = true;
    } else if (tool == Tool::Selection && m_found && m_picked && m_areas.currentIsLive()) {
        // The moved box is kept on every release, so OK writes what the
        // canvas shows; the right button also ends the pick.
        MapArea area = m_areas.at(m_areas.current());
        area.setBox(m_pickedBox);
        m_areas.replace(m_areas.current(), area);
        if (button == Qt::RightButton) {
            m_canvas->xorHandles(m_pickedBox);
            m_found = m_picked = false;
        }
    }
    updateButtons();
}

void Tmapbuild::endPick()
{
    if (!m_picked)
        return;
    if (m_areas.currentIsLive()) {
        MapArea area = m_areas.at(m_areas.current());
        area.setBox(m_pickedBox);
        m_areas.replace(m_areas.current(), area);
    }
    m_canvas->xorHandles(m_pickedBox);
    m_found = m_picked = false;
}

void Tmapbuild::DeleteClick()
{
    if (!m_areas.currentIsLive())
        return;
    const MapArea &area = m_areas.at(m_areas.current());
    const QRect box = m_picked ? m_pickedBox : area.box();
    drawShape(area.shape, box);
    if (m_picked) {
        m_canvas->xorHandles(m_pickedBox);
        m_found = m_picked = false; // no ghost of the deleted area
    }
    m_areas.removeCurrent();
    updateButtons();
}

void Tmapbuild::PropertiesClick()
{
    if (!m_areas.currentIsLive())
        return;
    const qsizetype index = m_areas.current();
    MapArea area = m_areas.at(index);
    if (m_picked)
        area.setBox(m_pickedBox);
    m_mapurl->setValue(area);
    if (m_mapurl->exec() != QDialog::Accepted || !m_areas.currentIsLive())
        return;
    area = m_areas.at(index);
    area.url = m_mapurl->url();
    area.comment = m_mapurl->comment();
    m_areas.replace(index, area);
}

void Tmapbuild::updateButtons()
{
    m_properties->setEnabled(m_hitOnce && m_areas.currentIsLive());
}

void Tmapbuild::warn(const QString &title, const QString &text)
{
    interaction().message(this, {title, text, QMessageBox::Ok, QMessageBox::Warning});
}

bool Tmapbuild::fieldsUsable()
{
    QLineEdit *bad = nullptr;
    QString text;
    if (m_name->text().isEmpty()) {
        bad = m_name;
        text = QStringLiteral("Must be filled in");
    } else if (m_name->text().contains(u'"')) {
        bad = m_name;
        text = QStringLiteral("The map name cannot hold a double quote (\")");
    } else if (m_comment->text().contains(QStringLiteral("-->"))) {
        bad = m_comment;
        text = QStringLiteral("The comment cannot hold \"-->\"");
    }
    if (!bad)
        return true;
    warn(QStringLiteral("Fejl"), text);
    bad->setFocus(Qt::OtherFocusReason);
    return false;
}

MapDocument Tmapbuild::document() const
{
    MapDocument map;
    map.name = m_name->text();
    map.comment = m_comment->text();
    map.pictureName = m_imageFileName;
    map.areas = m_areas.areas();
    if (m_picked && m_areas.currentIsLive())
        map.areas[m_areas.current()].setBox(m_pickedBox);
    return map;
}

void Tmapbuild::accept()
{
    if (!fieldsUsable())
        return;
    m_result = {};
    m_result.mapName = m_name->text();
    if (m_mapFileSaved
        && interaction().message(this, {QString(), QStringLiteral("Do you want to use intern map"),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question})
            == QMessageBox::No) {
        m_external = true;
        m_result.mapText = m_mapFileName;
        m_result.external = true;
    } else {
        m_result.mapText = MapMarkup::write(document());
    }
    TagDialog::accept();
}

void Tmapbuild::SaveMapClick()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Save map as a external file");
    request.directory = tregini().readlastdir();
    request.filter = dialogFilter(kFilter);
    request.selectedFilter = filterEntry(QStringLiteral("Map files"));
    const QString chosen = interaction().saveFile(this, request);
    if (chosen.isEmpty())
        return;
    const QString fileName = MapMarkup::mapFileName(chosen);
    if (!fieldsUsable())
        return;
    QString error;
    if (!MapFile::save(fileName, document(), &error)) {
        warn(QStringLiteral("Lumaro"), error);
        return;
    }
    m_mapFileName = fileName;
    m_mapFileSaved = true; // only once the file is really there
}

void Tmapbuild::OpenMapClick()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Open a mapfile");
    request.directory = tregini().readlastdir();
    request.filter = dialogFilter(kFilter);
    request.selectedFilter = filterEntry(QStringLiteral("Map files"));
    const QString fileName = interaction().openFile(this, request);
    if (fileName.isEmpty())
        return;
    MapReadResult read;
    QString error;
    if (!MapFile::load(fileName, &read, &error)) {
        warn(QStringLiteral("Lumaro"), error);
        return;
    }
    if (read.hasMapTag) {
        m_name->setText(read.map.name);
        m_comment->setText(read.map.comment);
        if (!read.map.pictureName.isEmpty())
            m_imageFileName = read.map.pictureName;
    }
    addAreas(read.map.areas);
    reportProblems(read, true);
    updateButtons();
}

void Tmapbuild::addAreas(const QList<MapArea> &areas)
{
    for (const MapArea &a : areas) {
        m_areas.append(a);
        drawShape(a.shape, a.box());
    }
}

void Tmapbuild::reportProblems(const MapReadResult &read, bool fromFile)
{
    QStringList lines;
    if (read.problems > 0)
        lines << QStringLiteral("%1 area(s) could not be read and are left out").arg(read.problems);
    if (read.cleaned > 0)
        lines << QStringLiteral("%1 line(s) held control characters, which are left out").arg(read.cleaned);
    if (fromFile && read.map.areas.isEmpty())
        lines << QStringLiteral("The map file holds no area that could be read");
    if (!lines.isEmpty())
        warn(QStringLiteral("Lumaro"), lines.join(u'\n'));
}

void Tmapbuild::readMapText(const MapBuildRequest &request)
{
    const MapReadResult read = MapMarkup::read(request.mapText);
    m_name->setText(read.map.name);
    m_comment->setText(read.map.comment);
    if (request.mapGiven) {
        QImage picture;
        if (loadPicture(read.map.pictureName, &picture)) {
            m_canvas->setPicture(picture);
        } else if (request.picture.isNull()) {
            // Without its picture the map is still read, on a blank canvas
            // large enough for its areas, so OK does not lose them.
            QRect all;
            for (const MapArea &a : read.map.areas)
                all = all.united(a.box());
            m_canvas->growToFit(all);
        }
    }
    addAreas(read.map.areas);
    reportProblems(read, false);
}

bool Tmapbuild::loadPicture(const QString &pictureName, QImage *picture)
{
    QString path = MapMarkup::picturePath(pictureName, m_pageDirectory ? m_pageDirectory() : QString());
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        FileDialogRequest request;
        request.caption = QStringLiteral("Open");
        request.directory = tregini().readlastdir();
        request.filter = dialogFilter(kFilter);
        request.selectedFilter = filterEntry(QStringLiteral("Gif images"));
        path = interaction().openFile(this, request);
        if (path.isEmpty())
            return false;
    }
    GifDecodeResult decoded;
    {
        BusyCursor busy;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            decoded.error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        } else if (file.size() > kMaxPictureBytes) {
            decoded.error = QStringLiteral("%1 is too large").arg(QDir::toNativeSeparators(path));
        } else {
            decoded = decodeGif(file.readAll());
        }
    }
    if (!decoded.ok) {
        warn(QStringLiteral("Lumaro"), decoded.error);
        return false;
    }
    *picture = decoded.image;
    return true;
}

} // namespace lumaro
