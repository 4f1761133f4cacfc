#pragma once

// Hands the pages the heap no longer uses back to the system, so that what a closed window
// freed leaves the process's resident memory too.
void GiveBackFreeMemory();
