#include "platform/forms/Placement.h"

#include "platform/forms/Twips.h"

#include <QWidget>

namespace dorvak {

double Placement::Left() const {
    return twipsFromPixels(widget_.x());
}
double Placement::Top() const {
    return twipsFromPixels(widget_.y());
}
double Placement::Width() const {
    return twipsFromPixels(widget_.width());
}
double Placement::Height() const {
    return twipsFromPixels(widget_.height());
}

void Placement::setLeft(double twips) {
    widget_.move(pixelsFromTwips(twips), widget_.y());
}
void Placement::setTop(double twips) {
    widget_.move(widget_.x(), pixelsFromTwips(twips));
}
void Placement::setWidth(double twips) {
    widget_.resize(pixelsFromTwips(twips), widget_.height());
}
void Placement::setHeight(double twips) {
    widget_.resize(widget_.width(), pixelsFromTwips(twips));
}

void Placement::Move(double left, double top) {
    widget_.move(pixelsFromTwips(left), pixelsFromTwips(top));
}

void Placement::Move(double left, double top, double width, double height) {
    widget_.setGeometry(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                        pixelsFromTwips(height));
}

void Placement::ZOrder(int position) {
    if (position == 0)
        widget_.raise();
    else
        widget_.lower();
}

bool Placement::Visible() const {
    return !widget_.isHidden();
}
bool Placement::Enabled() const {
    return widget_.isEnabled();
}

} // namespace dorvak
