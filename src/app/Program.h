#pragma once

#include <QString>
#include <memory>

class TBaze;
class TSessionKeeper;
class TfIntro;
class TfMain;
class TfPodesiFont;
class TfPodsetnik;
class TfRezultatiTrazenja;
class TfTrazi;
class Tfprint;

// The program's windows: created once in this order, tied together, destroyed in the reverse
// order when the run ends.
class TProgram {
public:
    // Reads its texts from the folder baza/ of the program folder.
    explicit TProgram(const QString& programFolder);
    TProgram();
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // Makes ready, while the program is idle after start-up, what the first search and the
    // first results window would otherwise make while the user waits: the search's pages of
    // the default text read once, and the results window prepared.
    void PrepareFirstUses();
    // Measures the words of the default text's verses for the results window, a step at a
    // time while nothing else waits.
    void MeasureVersesWhileIdle();
    // Makes the panes' labels for the longest chapter, a batch at a time while nothing else
    // waits, so that a long chapter shows without making them then; again once a pane's labels
    // were freed for new fonts or sizes.
    void PrepareLabelsWhileIdle();

    // Puts the last run's session back and keeps this one; the program does this, tests that
    // want it too (with files of their own).
    TSessionKeeper* KeepSession();
    TSessionKeeper* KeepSession(const QString& sessionFile, const QString& reminderFile);

    std::unique_ptr<TfMain> fMain;
    std::unique_ptr<TBaze> Baze;
    std::unique_ptr<TfTrazi> fTrazi;
    std::unique_ptr<TfRezultatiTrazenja> fRezultatiTrazenja;
    std::unique_ptr<TfPodsetnik> fPodsetnik;
    std::unique_ptr<Tfprint> fprint;
    std::unique_ptr<TfIntro> fIntro;
    std::unique_ptr<TfPodesiFont> fPodesiFont;
};
