#include "IconSet.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "IconStyle.h"

namespace IconGen {

namespace {

using S = IconStyle;

// --- palette buttons (24 x 24) -----------------------------------------------------------

void zoomOut(QPainter& p) {
    S::magnifier(p, {10, 10}, 7, {21, 21});
    p.setPen(S::pen(S::accent(), 2));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
}

void zoomFitView(QPainter& p) {
    // Four corners of a frame around a small magnifier.
    p.setPen(S::pen(S::accent(), 2));
    const double lo = 2, hi = 22, arm = 6;
    p.drawPolyline(QPolygonF({{lo, lo + arm}, {lo, lo}, {lo + arm, lo}}));
    p.drawPolyline(QPolygonF({{hi - arm, lo}, {hi, lo}, {hi, lo + arm}}));
    p.drawPolyline(QPolygonF({{hi, hi - arm}, {hi, hi}, {hi - arm, hi}}));
    p.drawPolyline(QPolygonF({{lo + arm, hi}, {lo, hi}, {lo, hi - arm}}));
    S::magnifier(p, {11, 11}, 4.5, {16.5, 16.5});
}

void alignLeftEdges(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(S::accent());
    p.drawRect(QRectF(5, 4, 15, 4));
    p.drawRect(QRectF(5, 10, 9, 4));
    p.drawRect(QRectF(5, 16, 12, 4));
    p.setPen(S::pen(S::outline(), 2));
    p.drawLine(QPointF(3, 2), QPointF(3, 22));
}

void sampleTime(QPainter& p) {
    const QPointF centre(12, 12);
    p.setPen(S::pen(S::outline(), 1.6));
    p.setBrush(S::paper());
    p.drawEllipse(centre, 9.5, 9.5);
    // Hour marks at twelve, three, six and nine.
    p.setPen(S::pen(S::outline(), 1.4));
    p.drawLine(QPointF(12, 4), QPointF(12, 5.5));
    p.drawLine(QPointF(20, 12), QPointF(18.5, 12));
    p.drawLine(QPointF(12, 20), QPointF(12, 18.5));
    p.drawLine(QPointF(4, 12), QPointF(5.5, 12));
    p.setPen(S::pen(S::accent(), 2));
    p.drawLine(centre, QPointF(12, 6.5));
    p.drawLine(centre, QPointF(16.5, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(S::outline());
    p.drawEllipse(centre, 1.3, 1.3);
}

// --- library-link indicators (12 x 12) ---------------------------------------------------

void chain(QPainter& p, const QColor& colour) {
    S::chainLink(p, {4.2, 7.8}, 7.5, 4, -45, 1.4, colour);
    S::chainLink(p, {7.8, 4.2}, 7.5, 4, -45, 1.4, colour);
}

void linkActive(QPainter& p) {
    chain(p, S::accent());
}

void linkModified(QPainter& p) {
    chain(p, S::accent());
    p.setPen(S::pen(Qt::white, 0.8));
    p.setBrush(S::mark());
    p.drawEllipse(QPointF(9.3, 9.3), 2.4, 2.4);
}

void linkInactive(QPainter& p) {
    chain(p, S::inactive());
    p.setPen(S::pen(S::warning(), 1.4));
    p.drawLine(QPointF(1.5, 1.5), QPointF(10.5, 10.5));
}

// --- model explorer (16 x 16) ------------------------------------------------------------

// A sheet of paper with its top-right corner folded.
void sheet(QPainter& p) {
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(S::pen(S::outline(), 1));
    p.setBrush(S::paper());
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void modelIcon(QPainter& p) {
    sheet(p);
    S::block(p, QRectF(4.5, 7.5, 3, 3));
    S::block(p, QRectF(9.5, 10.5, 2, 2));
    p.setPen(S::pen(S::accent(), 1));
    p.drawPolyline(QPolygonF({{7.5, 9}, {9, 9}, {9, 11.5}, {9.5, 11.5}}));
}

void subsystem(QPainter& p) {
    S::block(p, QRectF(3.5, 2.5, 9, 11));
    S::block(p, QRectF(5.5, 4.5, 3, 3));
    S::block(p, QRectF(7.5, 9.5, 3, 2));
    p.setPen(S::pen(S::outline(), 1));
    p.drawLine(QPointF(0.5, 8), QPointF(3.5, 8));
    p.drawLine(QPointF(12.5, 8), QPointF(15.5, 8));
}

void lineIcon(QPainter& p) {
    p.setPen(S::pen(S::outline(), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{1.5, 4.5}, {7.5, 4.5}, {7.5, 11.5}, {11, 11.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(S::outline());
    p.drawPath(S::arrowhead({15, 11.5}, 4.5));
}

void rightArrow(QPainter& p) {
    p.setPen(S::pen(S::outline(), 1));
    p.setBrush(S::accent());
    p.drawPath(S::arrowhead({13.5, 8}, 9));
}

void annotation(QPainter& p) {
    sheet(p);
    p.setPen(S::pen(S::accent(), 1));
    for (double y : {6.5, 9.0, 11.5})
        p.drawLine(QPointF(4.5, y), QPointF(y < 7 ? 9 : 11.5, y));
}

void diagram(QPainter& p) {
    // Two blocks, the first feeding the second.
    S::block(p, QRectF(0.5, 5.5, 5, 5));
    S::block(p, QRectF(10.5, 5.5, 5, 5));
    p.setPen(S::pen(S::outline(), 1));
    p.drawLine(QPointF(5.5, 8), QPointF(8, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(S::accent());
    p.drawPath(S::arrowhead({10.5, 8}, 3));
}

}  // namespace

std::vector<Icon> IconSet::all() {
    std::vector<Icon> icons = paletteButtons();
    for (auto* part : {&IconSet::libraryLinks, &IconSet::explorerIcons}) {
        std::vector<Icon> more = part();
        icons.insert(icons.end(), more.begin(), more.end());
    }
    return icons;
}

std::vector<Icon> IconSet::paletteButtons() {
    return {{"vantor/zoom_out.png", 24, zoomOut},
            {"vantor/zoom_fit_view.png", 24, zoomFitView},
            {"vantor/align_left_edges.png", 24, alignLeftEdges},
            {"vantor/sample_time.png", 24, sampleTime}};
}

std::vector<Icon> IconSet::libraryLinks() {
    return {{"libraryLink_active.png", 12, linkActive},
            {"libraryLink_modified.png", 12, linkModified},
            {"libraryLink_inactive.png", 12, linkInactive}};
}

std::vector<Icon> IconSet::explorerIcons() {
    return {{"VantorModelIcon.png", 16, modelIcon}, {"vantor_subsystem.png", 16, subsystem},
            {"LineIcon.png", 16, lineIcon},         {"right_arrow.png", 16, rightArrow},
            {"annotation.png", 16, annotation},     {"vantor_model.png", 16, diagram}};
}

}  // namespace IconGen
