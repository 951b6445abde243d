#pragma once

class QApplication;

// What the program sets on its application object before the first window: its name, the Turkish
// texts of the toolkit's own buttons and dialogs, and the Turkish locale for dates.
void SetUpApplication(QApplication& app);
