#pragma once

#include "imagetag.h"
#include "tagdialog.h"
#include "urlpicker.h"

#include <QImage>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lumaro {

class RadioGroup;
class UpDownEdit;

/// The image dialog ("image"): one image tag with its link, low-resolution
/// source, video attributes, image map and background sound.
///
/// The launcher hands the selection to decodetext() before showing it and
/// takes result() after OK. URL buttons use the picker seam, "MAP Builder"
/// the map-builder seam; each is disabled while its service is missing.
class Timagebuild : public TagDialog {
    Q_OBJECT
public:
    explicit Timagebuild(QWidget *parent = nullptr);

    /// Resets the controls and fills them from the selection.
    void decodetext(const QString &selection);
    ImageTag value() const;
    void setValue(const ImageTag &tag);
    /// The text OK built.
    QString result() const { return m_result; }

    QTabWidget *pages() const { return m_pages; }
    QLineEdit *imageEdit() const { return m_image; }
    QLineEdit *linkEdit() const { return m_link; }
    QLineEdit *lowSrcEdit() const { return m_lowSrc; }
    QLineEdit *altEdit() const { return m_alt; }
    QLineEdit *widthEdit() const { return m_width; }
    QLineEdit *heightEdit() const { return m_height; }
    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *clearGroup() const { return m_clear; }
    RadioGroup *unitsGroup() const { return m_units; }
    UpDownEdit *hspaceEdit() const { return m_hspace; }
    UpDownEdit *vspaceEdit() const { return m_vspace; }
    UpDownEdit *borderEdit() const { return m_border; }
    QCheckBox *useMapCheck() const { return m_useMap; }
    QPushButton *mapBuilderButton() const { return m_mapBuilder; }
    QLineEdit *dynsrcEdit() const { return m_dynsrc; }
    QCheckBox *fileOpenCheck() const { return m_fileOpen; }
    QCheckBox *mouseOverCheck() const { return m_mouseOver; }
    UpDownEdit *videoLoopEdit() const { return m_videoLoop; }
    UpDownEdit *loopDelayEdit() const { return m_loopDelay; }
    QCheckBox *controlsCheck() const { return m_controls; }
    QLineEdit *soundEdit() const { return m_sound; }
    UpDownEdit *soundLoopEdit() const { return m_soundLoop; }
    QCheckBox *mosaicCheck() const { return m_mosaic; }
    QPushButton *imageUrlButton() const { return m_imageUrl; }
    QPushButton *linkUrlButton() const { return m_linkUrl; }
    QPushButton *lowSrcUrlButton() const { return m_lowSrcUrl; }
    QPushButton *videoUrlButton() const { return m_videoUrl; }
    QPushButton *soundUrlButton() const { return m_soundUrl; }

    void accept() override;
    void reject() override;

protected:
    QWidget *firstInput() const override;
    void showEvent(QShowEvent *event) override;

private:
    void imageUrlClick();
    void lowSrcUrlClick();
    void pickInto(PickerMode mode, QLineEdit *field, QWidget *next);
    void useMapClick();
    void mapBuilderClick();
    void takeSize(const PickedUrl &picked);

    QString m_result;
    QString m_mapPrefix;
    QString m_mapReference;
    bool m_mapPresent = false;
    QImage m_picture;

    QTabWidget *m_pages;
    QLineEdit *m_image;
    QLineEdit *m_link;
    QLineEdit *m_lowSrc;
    QLineEdit *m_alt;
    QLineEdit *m_width;
    QLineEdit *m_height;
    RadioGroup *m_align;
    RadioGroup *m_clear;
    RadioGroup *m_units;
    UpDownEdit *m_hspace;
    UpDownEdit *m_vspace;
    UpDownEdit *m_border;
    QCheckBox *m_useMap;
    QPushButton *m_mapBuilder;
    QLineEdit *m_dynsrc;
    QCheckBox *m_fileOpen;
    QCheckBox *m_mouseOver;
    UpDownEdit *m_videoLoop;
    UpDownEdit *m_loopDelay;
    QCheckBox *m_controls;
    QLineEdit *m_sound;
    UpDownEdit *m_soundLoop;
    QCheckBox *m_mosaic;
    QPushButton *m_imageUrl;
    QPushButton *m_linkUrl;
    QPushButton *m_lowSrcUrl;
    QPushButton *m_videoUrl;
    QPushButton *m_soundUrl;
};

} // namespace lumaro
