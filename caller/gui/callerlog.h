#pragma once

#include <QLoggingCategory>

// Which cue and clip files the caller found. Silent unless asked for with
// QT_LOGGING_RULES="kavelo.files.debug=true", so an operator can see why a sound or the
// countdown is missing.
Q_DECLARE_LOGGING_CATEGORY(lcCallerFiles)
