#pragma once

#include <QString>

namespace quelta {

// This computer, as the program reports it: filled once at start.
struct TDadesPC
{
    QString nom;    // computer name, at most 50 characters
    QString IP;     // first IPv4 address the host name resolves to
    QString usuari; // user name, at most 50 characters
};

TDadesPC ObtenirDadesPC();

} // namespace quelta
