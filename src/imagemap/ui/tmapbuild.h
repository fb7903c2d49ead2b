#pragma once

#include "imagemapbuilder.h"
#include "maparealist.h"
#include "mapmarkup.h"
#include "tagdialog.h"

#include <functional>

class QAction;
class QActionGroup;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace lumaro {

class Tmapurl;
class TvarnoImage;

/// "mapbuild": draws the rectangles and circles of a client-side image map
/// on a picture and hands back the MAP markup, or the path of a map file.
///
/// One builder lives for the whole run; every buildMap() call starts from
/// its request alone (picture, image name, map text), so nothing of an
/// earlier, perhaps cancelled, call carries over. Boxes are kept normalised
/// and inside the picture while drawing and moving; boxes read from markup
/// keep their coordinates and are drawn clipped.
class Tmapbuild : public TagDialog, public ImageMapBuilder {
    Q_OBJECT
public:
    enum class Tool { None, Rectangle, Circle, Selection };

    explicit Tmapbuild(QWidget *parent = nullptr);
    ~Tmapbuild() override;

    std::optional<MapBuildResult> buildMap(QWidget *parent, const MapBuildRequest &request) override;
    /// Where a relative picture name in a map is looked for (the active
    /// page's directory); may give an empty string.
    void setPageDirectory(std::function<QString()> directory) { m_pageDirectory = std::move(directory); }

    /// Resets the builder for one call and reads the request's map text.
    void launch(const MapBuildRequest &request);

    // Parts, for the views' tests.
    TvarnoImage *canvas() const { return m_canvas; }
    QScrollArea *scrollBox() const { return m_scroll; }
    QLineEdit *mapNameEdit() const { return m_name; }
    QLineEdit *commentEdit() const { return m_comment; }
    QAction *rectangleTool() const { return m_rectangle; }
    QAction *circleTool() const { return m_circle; }
    QAction *selectionTool() const { return m_selection; }
    QToolButton *deleteButton() const { return m_delete; }
    QToolButton *propertiesButton() const { return m_properties; }
    QToolButton *saveButton() const { return m_save; }
    QToolButton *openButton() const { return m_open; }
    Tmapurl *mapUrlDialog() const { return m_mapurl; }
    Tool tool() const { return m_tool; }
    const MapAreaList &areas() const { return m_areas; }
    bool areaPicked() const { return m_picked; }

    // Handlers.
    void DeleteClick();
    void PropertiesClick();
    void SaveMapClick();
    void OpenMapClick();
    void accept() override;

protected:
    QWidget *firstInput() const override;

private:
    void selectTool(Tool tool);
    void canvasPressed(QPoint at, Qt::MouseButton button);
    void canvasMoved(QPoint at);
    void canvasReleased(QPoint at, Qt::MouseButton button);
    QPoint clamp(QPoint p) const;
    /// The square box from the start point across to x, kept on the picture.
    QRect circleBox(int x) const;
    void drawShape(MapShape shape, const QRect &box);
    /// Ends a pick: the moved box is kept and the handles go.
    void endPick();
    void addAreas(const QList<MapArea> &areas);
    void readMapText(const MapBuildRequest &request);
    bool loadPicture(const QString &pictureName, QImage *picture);
    void reportProblems(const MapReadResult &read, bool fromFile);
    /// The map name and comment can be written; shows why not and moves the
    /// focus when they cannot.
    bool fieldsUsable();
    MapDocument document() const;
    void updateButtons();
    void warn(const QString &title, const QString &text);

    TvarnoImage *m_canvas;
    QScrollArea *m_scroll;
    QLineEdit *m_name;
    QLineEdit *m_comment;
    QActionGroup *m_tools;
    QAction *m_rectangle;
    QAction *m_circle;
    QAction *m_selection;
    QToolButton *m_delete;
    QToolButton *m_properties;
    QToolButton *m_save;
    QToolButton *m_open;
    Tmapurl *m_mapurl;
    std::function<QString()> m_pageDirectory;

    MapAreaList m_areas;
    Tool m_tool = Tool::None;
    /// The tool of the press being dragged, so a tool change mid-drag
    /// cannot mix shapes.
    Tool m_pressTool = Tool::None;
    QRect m_currentRect;
    QRect m_currentCircle;
    /// The picked area's box while it is moved.
    QRect m_pickedBox;
    QPoint m_start;
    QPoint m_last;
    bool m_found = false;
    bool m_picked = false;
    /// An area has been hit during this call (properties may be opened).
    bool m_hitOnce = false;

    QString m_imageFileName;
    bool m_external = false;
    QString m_mapFileName;
    bool m_mapFileSaved = false;
    MapBuildResult m_result;
};

} // namespace lumaro
