#pragma once
// src/catalogue: every photometric file of a folder as one row of a table a designer can sort and
// filter ("a 3,000 lm narrow-beam downlight above 120 lm/W"). From folder to table:
//   CatalogueScan    finds the *.ies and *.ldt files (CatalogueFiles) and reads them on every
//                    core through the ordered job runner (src/batch), rows in file order
//   CatalogueRow     one file loaded as the viewer loads it and summarised as `lumetra-cli
//                    summary` does (its JSON built by the same function); files over a size
//                    bound and files that fail become rows with their reason
//   LampText         an EULUMDAT file's Lamp cell from all its lamp sets
//   CatalogueColumns the columns: headers with units, numbers in displayed units, cell texts
//                    through the Properties window's figure formatting
//   RangeFilter      "flux 2,500-3,500; beam < 30" parsed into ranges on numeric columns
//   CatalogueModel   the rows, the text search, the ranges and the sort: the visible row ids
//   CatalogueExport  CSV, tab-separated text and JSON of rows
//   CatalogueTexts   every text shown to a person, in one table
// The Catalogue window (src/ui/Catalogue*) and `lumetra-cli catalogue` are views on these; no Qt.

#include "CatalogueColumns.h"
#include "CatalogueExport.h"
#include "CatalogueModel.h"
#include "CatalogueRow.h"
#include "CatalogueScan.h"
#include "RangeFilter.h"
