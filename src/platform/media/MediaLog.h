#pragma once

#include <QLoggingCategory>

// Log category of the media layer ("phrasebook.media"): missing or undecodable files,
// devices that fail, capture files that cannot be written. Thread: any.
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
