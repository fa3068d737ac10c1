#pragma once

// The last stage of an instrument initialisation, in one place for the
// configuration window's "Initialiser" and for "ovra initialise": one
// connection that sends the set, reads it back, compares all 64 entries and
// only then erases the measurement memory.
//
//   Connect, WriteParameters, SaveParameters, ReadParameters,
//   ParametersMatchSaved, EraseMeasurements, Disconnect
//
// The caller learns the stages through the observer: the status text before
// each exchange, and the messages in the order and at the moment the user is
// to see them (before "SL" is sent, as the window shows them).

#include "data/varia.h"
#include "link/linkmessages.h"

#include <QString>

#include <vector>

class TFormRS232;

struct ParameterDifference {
    int index = 0; // 0-based; shown 1-based as in parameter files
    QString name;
    QString sent;
    QString readBack;
};

struct InitialisationMessage {
    enum Kind { Warning, Information };
    Kind kind = Warning;
    QString text;
    // For a read-back that differs: one line per differing entry (see
    // DifferenceLines); empty otherwise.
    QString details;
};

class InitialisationObserver {
public:
    virtual ~InitialisationObserver() = default;
    // "Envoi des paramètres...", "Vérification des paramètres...",
    // "Effacement des mesures...", and empty at the end.
    virtual void StatusChanged(const QString& text) = 0;
    virtual void Tell(const InitialisationMessage& message) = 0;
    // Called after the erase succeeded, before "Initialisation réussie" is
    // told: the window closes itself here.
    virtual void Succeeded() {}
};

enum class InitialisationOutcome {
    Succeeded,
    NoConnection,    // nothing sent
    WriteFailed,     // the instrument may hold a part of the set; nothing erased
    ReadBackFailed,  // nothing erased
    ReadBackDiffers, // nothing erased
    EraseFailed,
    Cancelled, // stopped between two records or before the erase; nothing erased
};

struct InitialisationResult {
    InitialisationOutcome outcome = InitialisationOutcome::NoConnection;
    // Why an exchange failed (WriteFailed, ReadBackFailed, EraseFailed).
    ExchangeFailure failure;
    // ReadBackDiffers: every entry that came back other than it was sent.
    std::vector<ParameterDifference> differences;

    bool Ok() const { return outcome == InitialisationOutcome::Succeeded; }
};

// Texts of the sequence.
QString InitialisationFailedText();    // "L'initialisation a échoué.\n\rVeuillez recommencer."
QString InitialisationSucceededText(); // "Initialisation réussie"
// A write stopped between two records: what the instrument holds, how to
// restore it.
QString PartialSetText();

// Sends `toSend` (it becomes the session's Parameters and SavedParameters),
// then runs the sequence above. On return the session's Parameters hold what
// was read back, as far as it got, or `toSend` when the read-back did not
// start; the port is closed whatever the outcome. A caller that must keep
// another set (a loaded session's) saves it before and puts it back after.
InitialisationResult RunInitialisation(TFormRS232& link, Context& context,
                                       const ParameterSet& toSend,
                                       InitialisationObserver& observer);

// SaveParameters and ParametersMatchSaved of the session, and the entries
// that differ (exact, case-sensitive comparison of all 64).
void SaveParameters(::Session& session);
bool ParametersMatchSaved(const ::Session& session);
std::vector<ParameterDifference> DifferingParameters(const ParameterSet& sent,
                                                     const ParameterSet& readBack);
// One line per difference: 9 NEXT_MAINT : envoyé "06/2012", relu "6/2012".
QString DifferenceLines(const std::vector<ParameterDifference>& differences);
