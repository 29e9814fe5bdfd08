# refa_add_test(<name> SOURCES <files...> LIBS <libs...> [TIMEOUT <seconds>])
# Every test runs offscreen, with Qt's test mode for standard paths, and a timeout so
# that a modal window left open fails the test instead of hanging the run.
function(refa_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE testsupport ${T_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;REFA_SALIDA_PDF=;LC_ALL=C.UTF-8")
endfunction()
