#pragma once

class AppDelegate;

// A run that scripts/measure-startup times from outside. It writes one line to standard
// output per milestone and ends the program after the last:
//   "catalogue-shown"    the catalogue is listed and the first version's notes are shown;
//   "idle"               two seconds later, with nothing left to do;
//   "transfer-started"   a second later the update button's action has run and the image
//                        starts streaming to the device;
//   "transfer-finished"  the update has ended; the pane's last line follows on the same line.
void startMeasuredRun(AppDelegate &delegate);
