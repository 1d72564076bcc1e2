#pragma once

#include <QString>

// The program's own texts that suites look for.
inline const QString kSaveQuestion("Your data has changed. Do you want to save changes?");
inline const QString kListNotSaved("The Grocery List could not be saved! Your list is still on "
                                   "the screen; please try again.");
inline const QString kMealNotSaved("The Meal could not be saved! Your meal is still on the "
                                   "screen; please try again.");
inline const QString kMenuNotSaved("The Menu could not be saved! Your menu is still on the "
                                   "screen; please try again.");
