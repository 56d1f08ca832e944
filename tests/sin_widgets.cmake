# Fails when the program links the toolkit's widgets or GUI libraries.
execute_process(COMMAND ldd ${PROGRAMA} OUTPUT_VARIABLE bibliotecas RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "ldd failed on ${PROGRAMA}")
endif()
if(bibliotecas MATCHES "libQt6(Widgets|Gui)")
    message(FATAL_ERROR "${PROGRAMA} links ${CMAKE_MATCH_0}")
endif()
