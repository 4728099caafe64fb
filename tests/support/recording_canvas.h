// A canvas that keeps every drawing operation instead of drawing, so controller tests can ask
// what was copied from which picture at which rectangle.
#pragma once

#include <string>
#include <vector>

#include "ui/skin/canvas.h"

namespace karvo::testing {

class RecordingCanvas final : public Canvas {
  public:
    struct Op {
        enum class Kind { Begin, Copy, Fill, Picture, PicturePart, Text, Finish } kind;
        std::string picture;  // Begin, Copy, Picture, PicturePart; the text for Text
        SkinRect rect;        // Copy, Fill; x, y of Picture, PicturePart and Text
        ColourRef colour = 0;
        int scale = 0;    // Finish
        SkinRect source;  // PicturePart
    };

    bool begin(const std::string& picture) override {
        ops.push_back({Op::Kind::Begin, picture, {}, 0, 0, {}});
        return true;
    }
    void copyRect(const std::string& picture, const SkinRect& rect) override {
        ops.push_back({Op::Kind::Copy, picture, rect, 0, 0, {}});
    }
    void fillRect(const SkinRect& rect, ColourRef colour) override {
        ops.push_back({Op::Kind::Fill, {}, rect, colour, 0, {}});
    }
    bool drawPicture(const std::string& picture, std::int32_t x, std::int32_t y) override {
        ops.push_back({Op::Kind::Picture, picture, {x, y, 0, 0}, 0, 0, {}});
        return !missingPictures || picture.find("zhi") == std::string::npos;
    }
    bool drawPicturePart(const std::string& picture, const SkinRect& source, std::int32_t x,
                         std::int32_t y) override {
        ops.push_back({Op::Kind::PicturePart, picture, {x, y, 0, 0}, 0, 0, source});
        return true;
    }
    TextSize measureText(std::string_view text, FontRole) override {
        return {static_cast<std::int32_t>(text.size()) * 6, 12};
    }
    void drawText(std::string_view text, std::int32_t x, std::int32_t y, FontRole,
                  ColourRef colour) override {
        ops.push_back({Op::Kind::Text, std::string(text), {x, y, 0, 0}, colour, 0, {}});
    }
    void finish(int scale) override { ops.push_back({Op::Kind::Finish, {}, {}, 0, scale, {}}); }

    // The copies taken from pictures whose path ends with `name`.
    std::vector<SkinRect> copiesFrom(std::string_view name) const {
        std::vector<SkinRect> out;
        for (const Op& op : ops) {
            if (op.kind == Op::Kind::Copy && op.picture.ends_with(name))
                out.push_back(op.rect);
        }
        return out;
    }
    bool copied(std::string_view name, const SkinRect& rect) const {
        for (const SkinRect& r : copiesFrom(name)) {
            if (r == rect)
                return true;
        }
        return false;
    }
    std::vector<Op> ofKind(Op::Kind kind) const {
        std::vector<Op> out;
        for (const Op& op : ops) {
            if (op.kind == kind)
                out.push_back(op);
        }
        return out;
    }

    bool drewText(std::string_view text) const {
        for (const Op& op : ofKind(Op::Kind::Text)) {
            if (op.picture == text)
                return true;
        }
        return false;
    }

    bool missingPictures = false;  // drawPicture of zhi.png fails
    std::vector<Op> ops;
};

}  // namespace karvo::testing
