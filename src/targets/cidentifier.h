#pragma once

#include <QString>
#include <QStringList>

// A C identifier made from a file or layer name, the same for the same name
// on every machine: the folder and a file type (a last suffix of one to five
// letters and digits, first a letter: ".png", ".jpeg") are dropped, accents
// are taken off letters ("Öl" gives "Ol"), every run of other characters
// becomes one underscore, and underscores at either end are dropped (a
// leading one would make a name C reserves). A name that is left empty
// becomes "image", one that starts with a digit gets "img_" in front, and a
// keyword of C or C++ gets "_" behind, since sprite headers are included
// from Arduino sketches, which are C++. "needle-1.png" gives "needle_1", as
// LVGL's converter names the same file.
QString cIdentifier(const QString &name);

// cIdentifier(name), with "_2", "_3" ... behind it until it is none of
// `taken`, for several pictures that go into one program.
QString uniqueCIdentifier(const QString &name, const QStringList &taken);

// Whether `text` can name a variable in C and C++ as the generated sources
// use it: ASCII letters, digits and underscores, starting with a letter,
// without a double underscore (which C++ keeps for itself), and not a
// keyword. The writers refuse any other name, so that a name can never
// carry code into a generated file.
bool isCIdentifier(const QString &text);
