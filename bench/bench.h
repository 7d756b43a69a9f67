#pragma once

#include <initializer_list>

// Film catalogue: opening the film list and the duplicate-title test of film entry on nFilms films,
// each beside raw SQLite doing the same reads. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchCatalogue(int nFilms);

// Lending window: its members grid, its films grid, one lend and one return on nFilms films and
// nMembres members, each beside raw SQLite. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchPret(int nFilms, int nMembres);

// Member search and member deletion windows: opening each one's members grid on nFilms films and
// nMembres members, beside raw SQLite. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchAbonnes(int nFilms, int nMembres);

// Film windows that list films: the physical check's grid, the search by category's and the film
// deletion's grids of one category, and one search by title, on nFilms films, each beside raw
// SQLite. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchRecherches(int nFilms);

// Backup and restore of an application folder holding a club of nFilms films and nImages pictures
// of 50 KB, beside `cp -r` of the same files. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchSauvegarde(int nFilms, int nImages);

// "Nouveau Classement": the whole renumbering of nFilms films spread over each count of categories in
// turn, beside raw SQLite doing the same reads and writes. Needs a QApplication
// (QT_QPA_PLATFORM=offscreen).
void benchRangement(int nFilms, std::initializer_list<int> nCategories);

// "Edition Etiquette": the labels of one category of nine (nFilms / 9 films) queued and printed into
// a PDF file. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void benchEtiquettes(int nFilms);
