# Fails when the program links the toolkit's widgets: the model's modules may use Qt Gui (the undo stack), never
# the widgets.
execute_process(COMMAND ldd ${PROGRAMA} OUTPUT_VARIABLE bibliotecas RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "ldd failed on ${PROGRAMA}")
endif()
if(bibliotecas MATCHES "libQt6Widgets")
    message(FATAL_ERROR "${PROGRAMA} links ${CMAKE_MATCH_0}")
endif()
