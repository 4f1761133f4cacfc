#pragma once

class QString;
class TScrollBox;

// The text a pane or the results list reads out, in reading order: a line for each verse
// (number, text) or result heading, each verse's references on a line after it as a list.
QString PaneText(const TScrollBox& box);

// Makes scroll boxes readable as documents with that text, and their labels readable.
// Installed once.
void InstallPaneAccessibility();
