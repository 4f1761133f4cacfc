#pragma once

#include <QString>

// Adds the searches of the search dialog on the default translation file of a program folder,
// with words in the language of its text.
void RegisterSearchBenches(const QString& programFolder);
