#pragma once

struct TSession;

// Loads stored order `sno` into the project, the active profile group, the save dialog and the door
// pictures, and tells the windows. Returns false, changing nothing, when the order or one of its
// split records is not found.
bool ReopenOrder(TSession& session, int sno);
