#pragma once

class AppContext;
class QWidget;

// Asks for a CSV file of the export's kinds and shows, modal over `owner`, what importing
// it would add, replace and refuse; Import there writes it. A file that cannot be read as
// one is refused with a message. Returns when done.
void ShowImport(AppContext& app, QWidget* owner);
