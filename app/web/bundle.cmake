# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Joins the page's ES modules into its one script, so that the page loads
# one file and no bundler is needed: each file's one-line imports go (the
# names they bring are declared above them, in the same scope), and
# "export" goes from its declarations.
#   cmake -DOUTPUT=movla.js -DINPUTS="a.js|b.js" -P bundle.cmake
string(REPLACE "|" ";" inputs "${INPUTS}")
set(script "")
foreach(input IN LISTS inputs)
  file(READ ${input} text)
  string(REGEX REPLACE "(^|\n)import [^\n]*;\n" "\\1" text "${text}")
  string(REGEX REPLACE "(^|\n)export " "\\1" text "${text}")
  string(APPEND script "${text}\n")
endforeach()
file(WRITE ${OUTPUT} "${script}")
