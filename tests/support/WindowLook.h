#pragma once
// The demo data and the pictures that window tests take of what they show.

#include <QImage>
#include <QString>

class QWidget;

namespace testsupport {

// A file of the demo controller in data/demo.
QString demoFile(const QString& name);

// Takes a picture of the widget once its layouts have settled, and saves it as
// `name` in the folder QEL_GRAB_DIR names, when it names one, for a person to
// look at; answers the picture.
QImage grabIfAsked(QWidget& widget, const QString& name);

} // namespace testsupport
