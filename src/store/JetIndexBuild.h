#pragma once

#include "JetImage.h"

#include <QByteArray>
#include <QString>
#include <future>
#include <memory>

// The image of a Jet file with the search index (SearchIndex.h), built while the image itself is
// loaded on another thread: the index is written straight from the verse table's texts in the
// file, then joined to a copy of the loaded image, and marked for the cache under `cacheKey`
// when one is given (JetCache.h). nullptr when the image was not loaded (`image` gives
// nullptr) or its table has no text column `tekst`.
std::shared_ptr<const JetImage>
BuildIndexedJetImage(QByteArray file, std::shared_future<std::shared_ptr<const JetImage>> image,
                     const QString& cacheKey, const QString& table = QStringLiteral("vidoslov"));
