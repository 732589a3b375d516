// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/ClickTracker.h"
#include "controls/GIFDecoder.h"
#include "controls/GIFPictures.h"
#include "platform/Color.h"
#include "platform/FileIdentity.h"
#include "platform/Rect.h"

class QPainter;

namespace controls {

// A control that shows a GIF picture file on its parent: it loads the file named by
// FileName, has the decoder turn it into frames, composes the frames on FrameBuffer (the
// picture's logical screen) and paints that buffer at the top-left corner, centred, tiled
// or stretched. Transparent parts show Color or, with SeeThrough, what the parent paints
// under the control. With Animate on, a timer shows the frames in turn.
//
// Composing happens when a file loads, on a timer tick and when a switch changes; a paint
// only copies FrameBuffer. The control has no background of its own: what it does not
// cover shows the parent's painting.
//
// LoadInBackground decodes on a worker thread, so that a large picture never stops the
// window: the control shows what it showed, under a busy cursor, until the new picture is
// ready, and a newer load or Unload makes it drop the older one.
class TGIFImage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 160;
    static constexpr int kDefaultHeight = 120;

    explicit TGIFImage(QWidget* parent = nullptr);
    ~TGIFImage() override;

    bool Animate() const { return animate_; }
    // Runs its steps every time, even when the value is unchanged.
    void SetAnimate(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    const std::string& FileName() const { return fileName_; }
    // Loads the file, also when it is the one shown already: this reads it anew.
    void SetFileName(const std::string& value) { LoadFromFile(value); }
    bool Loop() const { return loop_; }
    void SetLoop(bool value);
    bool SeeThrough() const { return seeThrough_; }
    void SetSeeThrough(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Tile() const { return tile_; }
    void SetTile(bool value);
    // The control's own painting switch: off, the control paints nothing and the parent
    // shows through. It is not the widget's visibility (setVisible), which stays as it is.
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // Loads and shows the named file. A missing file (or an empty name) returns false and
    // changes nothing. A file that is there but cannot be read raises "Unable to read %s"
    // and changes nothing either. A file that is not a GIF, or that the decoder refuses,
    // empties the control, clears FileName and returns false without a message.
    bool LoadFromFile(const std::string& name);
    // Loads as LoadFromFile does, with the same result, name and errors, which come before it
    // returns; only the decoding and composing run on a worker thread. Until the picture is
    // ready (Loaded), the control keeps showing the one it had.
    bool LoadInBackground(const std::string& name);
    // Whether a load in the background is still under way.
    bool Loading() const { return loading_ != nullptr; }
    // Whether the file FileName names is no longer the one last read: it is gone, or its
    // device, inode, size or modification time changed. False while FileName is empty. Costs
    // one look at the file system, so that a caller can spare a reload of a large picture.
    bool FileChanged() const;
    // Forgets the picture and FileName, so that the memory of a large picture is given back;
    // the control paints nothing until the next load.
    void Unload();

    // One animation step, as the timer runs it.
    void TimerTick();
    // Draws FrameBuffer on a painter over the control's area, as a paint does.
    void Paint(QPainter& painter) const;

    // What the control holds, for its users and tests.
    const QImage& FrameBuffer() const { return frameBuffer_; }
    int FrameCount() const { return decoding_.FrameCount(); }
    int Position() const { return position_; }
    bool AnyTransparent() const { return decoding_.AnyTransparent; }
    bool TimerRunning() const { return animationTimer_.isActive(); }
    int TimerInterval() const { return animationTimer_.interval(); }

signals:
    void OnClick();
    // A load in the background has ended: the new picture shows, or the control is empty
    // because the decoder refused the file.
    void Loaded();
    void OnDblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct TDecoded;
    bool Load(const std::string& name, bool allFrames, bool background);
    static TDecoded DecodePicture(std::vector<std::uint8_t> data, bool allFrames, bool animate);
    bool Show(TDecoded decoded);
    void Failed();
    void CancelLoading();
    bool TakeAllFrames();
    void AfterDecode();
    void Reset();
    void PrepareBackground(bool takeSnapshot);
    void RestoreBackground(const platform::Rect& area);
    void DrawFrame(int n);
    void DisposeOf(int p);
    // Background, frame 1 and a repaint: what a switch change or a move asks for.
    void Recompose(bool takeSnapshot);
    QImage SnapshotOfParent() const;
    const gif::TGIF& Frame(int n) const { return decoding_.Frames[static_cast<std::size_t>(n - 1)]; }

    bool animate_ = false;
    bool autoSize_ = false;
    bool center_ = false;
    platform::TColor color_;
    std::string fileName_;
    std::optional<platform::FileIdentity> fileIdentity_;
    bool loop_ = false;
    bool seeThrough_ = false;
    bool stretch_ = false;
    bool tile_ = false;
    bool visible_ = true;

    gif::TGIFDecoding decoding_;
    std::vector<TFramePictures> pictures_;
    QImage frameBuffer_;
    QImage backgroundSnapshot_;
    platform::Rect lastBounds_;
    bool snapshotPending_ = false;
    // A control that does not animate decodes frame 1 only; the later frames are left out
    // until it animates or ticks.
    bool framesLeftOut_ = false;
    // Frame 1 covers the screen opaquely and is not animated: the frame buffer is the whole
    // picture, and the indices are let go.
    bool stillComposed_ = false;
    bool takingAllFrames_ = false;
    // The load under way in the background; a newer one replaces it, and its result is not
    // taken. Owned by the control, so that a result that comes after the control is gone is
    // dropped with it.
    QFutureWatcher<TDecoded>* loading_ = nullptr;
    int position_ = 0;
    int loopPass_ = 0;
    bool firstTick_ = false;
    QTimer animationTimer_;
    ClickTracker clicks_;
};

}  // namespace controls
