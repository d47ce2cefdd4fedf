// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QToolButton>

namespace tessarine {

// A flat button that never takes the keyboard focus, showing an optional
// glyph beside its caption, both centred together: on the left of the
// caption or on its right.
class SpeedButton : public QToolButton {
    Q_OBJECT
  public:
    enum class GlyphSide { Left, Right };

    static constexpr int kGlyphSpacing = 4;

    explicit SpeedButton(QWidget* parent = nullptr);

    void setGlyph(const QIcon& glyph, GlyphSide side);
    GlyphSide glyphSide() const { return glyphSide_; }

    // Where the glyph and the caption are drawn, in widget coordinates, with
    // the button up. An absent glyph or caption gives an empty rectangle.
    QRect glyphRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize glyphExtent() const;
    int captionWidth() const;
    // Left edge of the glyph and caption taken together.
    int contentLeft() const;

    GlyphSide glyphSide_ = GlyphSide::Left;
};

}  // namespace tessarine
