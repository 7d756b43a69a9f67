# The program is built in layers, one static library each. A layer links PUBLIC the layers right
# beneath it and its sources see, through an include folder made for it in the build tree, only
# its own folder and what the layers beneath show: a header it may not use is not found, so a
# wrong include fails to build.

# vidora_couche(CIBLE DOSSIER [SOUS couche...] [PUBLICS en-tête...] [TOUT_VOIR])
#   CIBLE      the library made of the sources in DOSSIER (a main.cpp there goes to the program).
#   SOUS       the layers right beneath; what lies under them comes with them.
#   PUBLICS    the only headers of DOSSIER the layers above may include; without it, all of them.
#   TOUT_VOIR  the layer sees every folder beneath whole: the one that puts the program together.
function(vidora_couche cible dossier)
  cmake_parse_arguments(PARSE_ARGV 2 C "TOUT_VOIR" "" "SOUS;PUBLICS")
  get_filename_component(nom ${dossier} NAME)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/${dossier})
  set(racine ${CMAKE_BINARY_DIR}/couches/${nom})
  file(REMOVE_RECURSE ${racine}) # only links live there: what was dropped from a list goes

  # What the layers above see of this one.
  if(C_PUBLICS)
    set(montre ${racine}/publics/${nom})
    file(MAKE_DIRECTORY ${montre})
    foreach(h ${C_PUBLICS})
      if(NOT EXISTS ${source}/${h})
        message(FATAL_ERROR "vidora_couche(${cible}): ${dossier}/${h} does not exist")
      endif()
      file(CREATE_LINK ${source}/${h} ${montre}/${h} SYMBOLIC)
    endforeach()
  else()
    set(montre ${source})
  endif()

  # What this layer sees: its own folder, then the layers beneath, down to the lowest.
  set(vue ${racine}/include)
  file(MAKE_DIRECTORY ${vue})
  file(CREATE_LINK ${source} ${vue}/${nom} SYMBOLIC)
  set(dessous)
  foreach(s ${C_SOUS})
    get_target_property(d ${s} VIDORA_COUCHES)
    list(APPEND dessous ${d})
  endforeach()
  list(REMOVE_DUPLICATES dessous)
  foreach(s ${dessous})
    get_target_property(n ${s} VIDORA_NOM)
    if(C_TOUT_VOIR)
      get_target_property(chemin ${s} VIDORA_DOSSIER)
    else()
      get_target_property(chemin ${s} VIDORA_MONTRE)
    endif()
    file(CREATE_LINK ${chemin} ${vue}/${n} SYMBOLIC)
  endforeach()

  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dossier}/*.cpp ${dossier}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${cible} STATIC ${sources})
  # The top layer's view is also what the program, the tests and the benchmark include.
  if(C_TOUT_VOIR)
    target_include_directories(${cible} PUBLIC ${vue})
  else()
    target_include_directories(${cible} PRIVATE ${vue})
  endif()
  target_link_libraries(${cible} PUBLIC ${C_SOUS})
  list(APPEND dessous ${cible})
  set_target_properties(${cible} PROPERTIES VIDORA_NOM ${nom} VIDORA_DOSSIER ${source}
                                            VIDORA_MONTRE ${montre} VIDORA_COUCHES "${dessous}")
endfunction()

# vidora_sonde(NOM COUCHE EN-TETE): a test that a source of COUCHE including EN-TETE does not
# build because the header is not found. The test runs the compiler alone on the probe, with the
# layer's own include folder, writing nothing (any user may run it), and passes only on the
# compiler's "not found" for that header.
function(vidora_sonde nom couche entete)
  set(fichier ${CMAKE_BINARY_DIR}/couches/sondes/${nom}.cpp)
  file(CONFIGURE OUTPUT ${fichier} CONTENT "#include \"${entete}\"\n")
  set(dossiers $<TARGET_PROPERTY:${couche},INCLUDE_DIRECTORIES>)
  add_test(NAME ${nom}
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only "-I$<JOIN:${dossiers},;-I>" ${fichier}
           COMMAND_EXPAND_LISTS)
  string(REPLACE "." "\\." motif "${entete}")
  # GCC says "x.h: No such file or directory", Clang "'x.h' file not found".
  set_tests_properties(${nom} PROPERTIES
    PASS_REGULAR_EXPRESSION "${motif}'?:? (No such file or directory|file not found)" TIMEOUT 60)
endfunction()
