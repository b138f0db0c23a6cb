#pragma once

#include <QString>

// The words of a stored text without its markup: what a reader sees of a Qt
// HTML (or plain) stem, option list or explanation, as one line.
namespace PlainText {

// Tags are dropped without a gap ("重要<b>考点</b>" reads "重要考点"), block
// ends become a blank, entities are decoded and runs of white space collapse.
QString of(const QString& stored);

} // namespace PlainText
