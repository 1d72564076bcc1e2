#pragma once

class DataStore;

// Fills a new data file with the settings row and a small, believable household's
// catalogue, aisles, meals, weekly plan and saved grocery list, so every window has
// something to show on first start.
void FillSampleContent(DataStore& store);
