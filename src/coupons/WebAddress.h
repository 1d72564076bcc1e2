#pragma once

#include <QString>
#include <optional>

// The address to hand to the browser for what the user chose or typed: http:// and
// https:// addresses as typed, a bare host name such as www.example.com with https://
// before it. Nothing for anything else (local files, paths, other schemes): the desktop
// would open those with whatever program it pairs with them.
std::optional<QString> WebAddressToOpen(const QString& typed);
