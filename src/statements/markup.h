#pragma once

#include <QString>

namespace saltor {

// The inline markup that the markup dialogs append to a description box. Each attribute
// value stands between doubled double quotes, because the host's statement later puts the
// whole box inside one script string, where "" reads as one quote. Values go in as typed;
// neither markup holds a line break of its own, and both end with one blank.

// <marker name=""markerName"">text</marker>
QString markerMarkup(const QString& markerName, const QString& text);

// <img image=""pictureName"" width=""width"" height=""height"" />
QString pictureMarkup(const QString& pictureName, const QString& width, const QString& height);

} // namespace saltor
