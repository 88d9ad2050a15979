#pragma once
// The user's own text formats in the settings: "textformat1.name" and
// "textformat1.text", then 2, 3 ... without gaps. Values are kept as UTF-8 with
// "%" and every byte outside printable ASCII written %XX, as the file is 8-bit.

#include "colour/TextTemplate.h"
#include "storage/SettingsStore.h"

#include <QVector>

QVector<UserTextFormat> LoadUserTextFormats(const SettingsStore& settings);
// Replaces every stored format by `formats`.
void SaveUserTextFormats(SettingsStore& settings, const QVector<UserTextFormat>& formats);
