#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// The one-line width of a text in a font on a device (its resolution counts), shaped once
// and then kept: the references of the chapters come back again and again in the same few
// fonts. Interface thread only.
int KeptTextWidth(const QFont& font, const QPaintDevice* device, const QString& text);

// KvLineHeight of a font on a device, measured once.
int KeptLineHeight(const QFont& font, const QPaintDevice* device);

// The height a label gives a text wrapped within a width, as KvWrappedHeight measures it,
// measured once per font and width: linked panes lay the same chapter out alike.
int KeptWrappedHeight(const QFont& font, const QPaintDevice* device, int width,
                      const QString& text);
