# Runs tessera-dict end to end: build a dictionary from a word list, check text, suggest.
# Called by CTest with -DTOOL=<tessera-dict> -DWORK=<scratch directory>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/words.txt "the\ncat\nbat\nbet\nbit\nbait\nbutt\nbe\nb\n")
file(WRITE ${WORK}/text.txt "The thw cat, kat; thw 1997 x THE <font>cat's</font>\n")

function(run expected)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
    INPUT_FILE ${WORK}/text.txt)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tessera-dict ${ARGN} failed (${rc}): ${err}")
  endif()
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "tessera-dict ${ARGN}:\nexpected [${expected}]\ngot      [${out}]")
  endif()
endfunction()

execute_process(COMMAND ${TOOL} build ${WORK}/words.txt ${WORK}/T.DCT RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "9 words")
  message(FATAL_ERROR "build failed: ${out}")
endif()
# Unknown words once each, in order of first appearance; numbers and single letters are passed over.
run("thw\nkat\nfont\n" check ${WORK}/T.DCT)
run("thw\nkat\n" check --skip-html ${WORK}/T.DCT)
run("bta\tbat, bet, bit\nBta\tBat, Bet, Bit\n" suggest --classic --max 3 ${WORK}/T.DCT bta Bta)
# The closest words: a swap is the likeliest slip; a split needs parts of two letters.
run("bta\tbat\nbetbit\tbet bit\n" suggest --max 1 ${WORK}/T.DCT bta betbit)

# A dictionary for another language from a Hunspell pair, as README describes (needs hunspell-tools).
if(UNMUNCH)
  file(WRITE ${WORK}/de.aff "SET UTF-8\nSFX N Y 1\nSFX N 0 en .\n")
  file(WRITE ${WORK}/de.dic "3\nHaus/N\nStraße\nMädchen\n")
  execute_process(COMMAND ${UNMUNCH} ${WORK}/de.dic ${WORK}/de.aff OUTPUT_FILE ${WORK}/de.txt ERROR_QUIET RESULT_VARIABLE rc)
  execute_process(COMMAND ${TOOL} build ${WORK}/de.txt ${WORK}/DEUTSCH.DCT RESULT_VARIABLE built OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT built EQUAL 0 OR NOT out MATCHES "4 words")
    message(FATAL_ERROR "no dictionary from the Hunspell pair: ${rc} ${built} ${out}")
  endif()
  file(WRITE ${WORK}/text.txt "Das Haus, die Hausen; Straße MÄDCHEN Häuser\n")
  run("Das\ndie\nHäuser\n" check ${WORK}/DEUTSCH.DCT)
endif()

execute_process(COMMAND ${TOOL} check ${WORK}/words.txt RESULT_VARIABLE rc ERROR_VARIABLE err INPUT_FILE ${WORK}/text.txt)
if(rc EQUAL 0 OR NOT err MATCHES "Dictionary Corrupt.")
  message(FATAL_ERROR "a word list opened as a dictionary: ${rc} ${err}")
endif()
