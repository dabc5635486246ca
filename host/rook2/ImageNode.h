#pragma once

#include <QImage>
#include <string>

#include "parr/GLPoint.h"
#include "rook2/Node.h"

namespace ROOK2 {

// A bitmap read from a file (any format Qt reads), its top-left corner at the node's
// origin. Its box is the size given with setSize, or else the image's own size in pixels
// (one pixel per unit); a source that cannot be read draws nothing and has an empty box
// unless a size is given. The file is read on first use after each change of the source.
class ImageNode : public Node {
public:
    ImageNode() = default;
    explicit ImageNode(const std::string& source) : source_(source) {}

    void setSource(const std::string& source);
    const std::string& getSource() const { return source_; }
    // A size <= 0 in either direction returns to the image's own size.
    void setSize(const PARR::GLPoint<double>& size);

    // The image read from the source (a null image when it cannot be read).
    const QImage& image() const;

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override;

private:
    std::string source_;
    PARR::GLPoint<double> size_;
    mutable QImage image_;
    mutable bool loaded_ = false;
};

}  // namespace ROOK2
