#pragma once

#include <QString>

// A syllable goes into a picture's file name, so it may not leave the pictures folder nor
// hold what no file name can: returns why it is refused, or an empty text when it is fine.
QString problemaSillaba(const QString &sillaba);
