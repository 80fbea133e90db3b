#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// A paint device that keeps the structure of what is drawn on it, as an SVG
// document does: the painter draws a needle upright inside a group that
// turns it about its pivot, so that the file says where the needle points
// and a page can turn it, and a soft shadow becomes a filter.
class GroupingDevice
{
public:
    virtual ~GroupingDevice() = default;

    // An attribute of a group: its name, and its value as text, which the
    // device escapes.
    using Attribute = std::pair<QByteArray, QString>;

    // Opens a group around what is drawn next.
    virtual void openGroup(const QList<Attribute> &attributes) = 0;
    virtual void closeGroup() = 0;
    // Adds a filter that blurs what it is applied to by a Gaussian of
    // `sigma` (in the units of the group it is applied to) and gives it the
    // colour `rgba` (red, green, blue and alpha from 0 to 1) where it is
    // not transparent: a shadow. Returns the filter's id.
    virtual QString addShadowFilter(double sigma, const double rgba[4]) = 0;
};
