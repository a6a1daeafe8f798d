#pragma once

#include "ledger/Antragsdatenbank.h"

#include <QString>

// The stored application KENNUNG of anträge.mdb in the data directory, loaded
// as the load dialog loads it, for the subcommands of velmora-druck. False
// with the message for stderr (German, ending in a line break) when the
// database is missing, cannot be read or holds no such application.
bool gespeicherterAntrag(const QString &datenverzeichnis, const QString &kennung, Antragsdatenbank::Geladen *geladen,
                         QString *meldung);
