#include "rook2/ImageNode.h"

#include <QString>

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void ImageNode::setSource(const std::string& source) {
    if (source == source_)
        return;
    source_ = source;
    loaded_ = false;
    geometryChanged();
}

void ImageNode::setSize(const PARR::GLPoint<double>& size) {
    if (size == size_)
        return;
    size_ = size;
    geometryChanged();
}

const QImage& ImageNode::image() const {
    if (!loaded_) {
        image_ = source_.empty() ? QImage() : QImage(QString::fromStdString(source_));
        loaded_ = true;
    }
    return image_;
}

void ImageNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

PARR::GLRect<double> ImageNode::contentRect() const {
    if (size_.x > 0.0 && size_.y > 0.0)
        return {0.0, 0.0, size_.x, size_.y};
    const QImage& img = image();
    if (img.isNull())
        return {};
    return {0.0, 0.0, double(img.width()), double(img.height())};
}

}  // namespace ROOK2
