# Run by CTest before the tests (cmake -P): gives each test an empty home of its own under the
# build tree, so that nothing a test does (Qt's dialogs keep their settings in the home's
# configuration) reaches the tester's own home. RACINE is the homes' folder, TESTS the test names
# separated by commas. The homes' folder itself is kept, only emptied: CI hands it to an
# unprivileged user to run the tests again, where the folder above it stays root's.
file(GLOB anciennes LIST_DIRECTORIES true "${RACINE}/*")
if(anciennes)
  file(REMOVE_RECURSE ${anciennes})
endif()
string(REPLACE "," ";" noms "${TESTS}")
foreach(nom IN LISTS noms)
  set(maison "${RACINE}/${nom}")
  file(MAKE_DIRECTORY "${maison}/.config" "${maison}/.local/share" "${maison}/.cache" "${maison}/run")
  # The session's runtime folder is the user's alone, or Qt complains and repairs it.
  file(CHMOD "${maison}/run" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
