SPEED	S01		0	Highest speed the pedal can reach.<RETURN>The limits come from the table.
SPEED	S02		0	Used when a high-speed head is fitted.
SPEED	S03		0	Speed of the first stitches after the start.
SPEED	S04		0	Number of stitches sewn at slow start speed.
SPEED	S05	SOFT	0	ソフトな加速。<RETURN>Gentle on thin material.
SPEED	S05	NORMAL	1	Standard acceleration.
SPEED	S05	HARD	2	Fastest acceleration.
SPEED	S06	LINEAR	0	Speed follows the pedal evenly.
SPEED	S06	PROGRESSIVE	1	Fine control at low speed.
TRIM	T01		0	糸切りの動作を選びます。
TRIM	T01	OFF	0	No trimming at the end of a seam.
TRIM	T01	TRIM	1	Trim only.
TRIM	T01	TRIM+WIPE	2	Trim, then wipe the thread.
TRIM	T02		0	Needle angle at which the knife starts.<RETURN>Set in steps of 2 degrees.
TRIM	T03		0	Needle angle at which the knife returns.
TRIM	T04		0	How long the wiper stays out.
TRIM	T06		0	Speed while the knife is working.
TRIM	T07	OFF	0	Function switched off.
TRIM	T07	ON	1	Function switched on.
TRIM	T08	OFF	0	Function switched off.
TRIM	T08	ON	1	Function switched on.
TRIM	T09	OFF	0	Function switched off.
TRIM	T09	ON	1	Function switched on.
FEED	F01		0	Forward stitch length.
FEED	F03		0	Stitches of each run of the start backtack.
FEED	F04	OFF	0	No backtack.
FEED	F04	SINGLE	1	One forward and one reverse run.
FEED	F04	DOUBLE	2	Two forward and two reverse runs.
FEED	F04	CONDENSED	3	Short stitches in place of a reverse run.
FEED	F06	OFF	0	No backtack.
FEED	F06	SINGLE	1	One forward and one reverse run.
FEED	F06	DOUBLE	2	Two forward and two reverse runs.
FEED	F06	CONDENSED	3	Short stitches in place of a reverse run.
TIMING	M04		0	Time the presser stays up before it drops by itself.
TIMING	M05	UP	0	Stop with the needle up.
TIMING	M05	DOWN	1	針を下で止めます。
PRESSER	P01	OFF	0	The presser is lifted by the knee switch only.
PRESSER	P01	AFTER_TRIM	1	Lift after thread trimming.
PRESSER	P01	PEDAL_BACK	2	Lift when the pedal is heeled back.
PRESSER	P01	BOTH	3	Lift after trimming and on heel-back.
SPECIAL	X01	SERVO_S	0	Small servo motor.
SPECIAL	X01	SERVO_M	1	Medium servo motor.
SPECIAL	X01	SERVO_L	2	Large servo motor.
SPECIAL	X04		0	Motor pulley against machine pulley.
