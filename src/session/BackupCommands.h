#pragma once

#include <QString>

class TProgramFolder;
struct TDatabaseSettings;

// At start: today's copy of the local order database; a failure is said once and the program goes on.
void MakeDailyBackup(const TProgramFolder& programFolder, const TDatabaseSettings& settings);

// "Yedekten Geri Yükle": after the question (default No), the local database becomes the chosen copy,
// the current file kept aside in the copies' folder. False when the operator said No. Refused on a
// server, and for a file that is not a sound order database.
bool RestoreBackup(const TProgramFolder& programFolder, const TDatabaseSettings& settings, const QString& copyPath);
