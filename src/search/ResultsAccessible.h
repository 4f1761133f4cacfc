#pragma once

class TfRezultatiTrazenja;

// Makes the results list readable as a list of all its rows, each as its place, translation
// and verse text, whether the row's labels are laid out or not. A row is opened by its press
// action. The row interfaces are made when a screen reader first asks for them and dropped
// when the list is filled anew. Installed once.
void InstallResultsAccessibility();

// Tells a screen reader that the row at the top of the view, the one Enter opens, is the
// current one; only while the list has the keys and when that row changed.
void AnnounceTopResult(TfRezultatiTrazenja& window, int row);
